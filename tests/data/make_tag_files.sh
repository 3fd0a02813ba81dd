#!/bin/sh
# Regenerates the small tagged files in tests/data/tags with Debian's tools: ffmpeg and lame
# for the audio, id3v2 and lame for ID3v1 and ID3v2.3 tags, python3-mutagen for ID3v2.2 to 2.4
# tags in every text encoding and for the WMA attributes, ImageMagick for the cover pictures.
# The tests read the committed files; run this only to make them anew:
#     sh tests/data/make_tag_files.sh
set -eu

out="$(cd "$(dirname "$0")" && pwd)/tags"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

quiet="-hide_banner -loglevel error -y"

# A quarter of a second of silence, 8 kHz mono: a few hundred bytes of MP3.
ffmpeg $quiet -f lavfi -i anullsrc=r=8000:cl=mono -t 0.25 -c:a pcm_s16le silence.wav
lame --silent -b 8 -m m silence.wav "$out/no_tag.mp3"

/usr/bin/convert -size 16x16 xc:red -strip png:"$out/cover.png"
/usr/bin/convert -size 16x16 gradient:blue-yellow -strip -quality 50 jpeg:"$out/cover.jpg"

# ID3v1 only, written by lame; genre 17 is Rock.
lame --silent -b 8 -m m --id3v1-only --tt "Rain Song" --ta "The Band" --tl "Album One" \
    --ty 1999 --tc "A comment" --tn 7 --tg Rock silence.wav "$out/id3v1_only.mp3"

# Both tags with a title in each, written by id3v2 (ID3v2.3 and ID3v1).
cp "$out/no_tag.mp3" "$out/both_tags.mp3"
id3v2 -t "V2 Title" -a "V2 Artist" -A "V2 Album" -y 2003 -T 4 -g 17 -c "V2 comment" \
    "$out/both_tags.mp3"

# An ID3v2 tag with an artist and no title, and an ID3v1 tag with a title and no artist.
cp "$out/no_tag.mp3" "$out/v2_artist_v1_title.mp3"
id3v2 -2 -a "V2 Artist" -A "V2 Album" "$out/v2_artist_v1_title.mp3"
id3v2 -1 -t "V1 Title" -y 1987 -T 12 -g 255 "$out/v2_artist_v1_title.mp3"

# A PNG cover attached by ffmpeg to an ID3v2.3 tag.
ffmpeg $quiet -i "$out/no_tag.mp3" -i "$out/cover.png" -map 0 -map 1 -c copy -fflags +bitexact \
    -id3v2_version 3 -write_id3v1 0 -metadata title="PNG Cover" \
    -metadata:s:v comment="Cover (front)" "$out/apic_png_v23.mp3"

# One second of silence as WMA with text attributes.
ffmpeg $quiet -f lavfi -i anullsrc=r=8000:cl=mono -t 1 -c:a wmav2 -b:a 24k -fflags +bitexact \
    -map_metadata -1 -metadata title="WMA Title" -metadata artist="WMA Artist" \
    -metadata copyright="WMA Rights" -metadata comment="WMA Comment" -metadata album="WMA Album" \
    -metadata genre="Jazz" -metadata composer="WMA Composer" -metadata encoded_by="WMA Encoder" \
    -metadata publisher="WMA Publisher" "$out/tagged.wma"

/usr/bin/python3 - "$out" <<'PY'
import struct
import sys

from mutagen import id3
from mutagen.asf import ASF, ASFByteArrayAttribute, ASFDWordAttribute, ASFUnicodeAttribute

out = sys.argv[1]
base = open(f"{out}/no_tag.mp3", "rb").read()

LATIN1_TITLE = "Caf\u00e9 Song"
# U+4EFF ends in FF and U+1F3B5 needs a surrogate pair in UTF-16.
UNICODE_TITLE = "Caf\u00e9 \u4e2d\u6587 \u4eff \U0001f3b5"


def frames(version, encoding):
    """The same values in every file; the encoding applies to all text frames."""
    title = LATIN1_TITLE if encoding == 0 else UNICODE_TITLE
    v22 = version == 2
    f = []
    f.append((id3.TT2 if v22 else id3.TIT2)(encoding=encoding, text=title))
    f.append((id3.TP1 if v22 else id3.TPE1)(encoding=encoding, text="The Artist"))
    f.append((id3.TAL if v22 else id3.TALB)(encoding=encoding, text="The Album"))
    f.append((id3.COM if v22 else id3.COMM)(encoding=encoding, lang="eng", desc="",
                                            text="Nice comment"))
    f.append((id3.TRK if v22 else id3.TRCK)(encoding=encoding, text="3/12"))
    if version == 4:
        f.append(id3.TDRC(encoding=encoding, text="2004"))
    else:
        f.append((id3.TYE if v22 else id3.TYER)(encoding=encoding, text="2004"))
    f.append((id3.TCM if v22 else id3.TCOM)(encoding=encoding, text="The Composer"))
    f.append((id3.TEN if v22 else id3.TENC)(encoding=encoding, text="The Encoder"))
    f.append((id3.TCR if v22 else id3.TCOP)(encoding=encoding, text="2004 The Label"))
    f.append((id3.WXX if v22 else id3.WXXX)(encoding=0, desc="", url="http://example.com/"))
    f.append((id3.TCO if v22 else id3.TCON)(encoding=encoding, text="Rock"))
    f.append((id3.ULT if v22 else id3.USLT)(encoding=encoding, lang="eng", desc="",
                                            text="La la la"))
    return f


def save(name, version, frame_list):
    path = f"{out}/{name}"
    open(path, "wb").write(base)
    tag = id3.ID3()
    for frame in frame_list:
        tag.add(frame)
    tag.save(path, v1=0, v2_version=version, padding=lambda info: 32)


def save_v22(name, frame_list):
    # mutagen writes only versions 2.3 and 2.4, so the version 2.2 layout is put together
    # here from frame bodies that mutagen encodes: 3-character identifiers and sizes.
    body = b""
    for frame in frame_list:
        data = frame._writeData()
        body += type(frame).__name__.encode() + len(data).to_bytes(3, "big") + data
    body += bytes(32)  # padding
    size = len(body)
    synchsafe = bytes((size >> shift) & 0x7F for shift in (21, 14, 7, 0))
    open(f"{out}/{name}", "wb").write(b"ID3\x02\x00\x00" + synchsafe + body + base)


for encoding in (0, 1):
    save_v22(f"id3v22_enc{encoding}.mp3", frames(2, encoding) + (
        [id3.PIC(encoding=0, mime="PNG", type=3, desc="",
                 data=open(f"{out}/cover.png", "rb").read())] if encoding == 0 else []))
for encoding in (0, 1):
    save(f"id3v23_enc{encoding}.mp3", 3, frames(3, encoding))
for encoding in (0, 1, 2, 3):
    save(f"id3v24_enc{encoding}.mp3", 4, frames(4, encoding))

# A version 2.4 tag, whose frame sizes are synchsafe: lyrics and a JPEG cover of more than 127
# bytes each, so that the picture is found, and whole, only when the lyrics' size is read right.
jpeg = open(f"{out}/cover.jpg", "rb").read()
save("apic_jpeg_v24.mp3", 4, [
    id3.TIT2(encoding=3, text="JPEG Cover"),
    id3.USLT(encoding=3, lang="eng", desc="", text="La la la, " * 15),
    id3.APIC(encoding=0, mime="image/jpeg", type=3, desc="", data=jpeg),
])

# WMA: ffmpeg writes the Content Description, text attributes, the Codec List and the File
# Properties; mutagen adds number (DWORD) and picture attributes.
png = open(f"{out}/cover.png", "rb").read()
wma = ASF(f"{out}/tagged.wma")
wma.tags["WM/Year"] = [ASFUnicodeAttribute("2011")]
wma.tags["WM/Lyrics"] = [ASFUnicodeAttribute("Lyrics here")]
wma.tags["WM/AuthorURL"] = [ASFUnicodeAttribute("http://example.com/")]
wma.tags["WM/Track"] = [ASFDWordAttribute(4)]
wma.tags["WM/TrackNumber"] = [ASFDWordAttribute(300)]
picture = (struct.pack("<BI", 3, len(png)) + "image/png\0".encode("utf-16-le") +
           "Front\0".encode("utf-16-le") + png)
wma.tags["WM/Picture"] = [ASFByteArrayAttribute(picture)]
wma.save()
PY
