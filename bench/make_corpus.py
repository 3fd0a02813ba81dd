#!/usr/bin/python3
"""Writes N real tagged music files into a nested tree, a known share of them duplicates.

    bench/make_corpus.py DIR N [--duplicates 0.25] [--wma 0.2] [--seed 1]

Each file is a copy of a short silent clip made by ffmpeg, tagged with python3-mutagen (ID3v2.3
for MP3, ASF Content Description for WMA). A duplicate repeats the title and artist of an earlier
file; the rest have titles of their own. The tree is DIR/dNN/dNN/ with 50 files a folder.
"""
import argparse
import os
import random
import shutil
import subprocess
import sys

from mutagen.asf import ASF
from mutagen.id3 import ID3, TIT2, TPE1, TALB

FILES_PER_FOLDER = 50
FOLDERS_PER_LEVEL = 40


def make_clip(path, codec, extra):
    if not os.path.exists(path):
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "anullsrc=r=22050:cl=mono", "-t", "0.3", "-c:a", codec, *extra, path],
                       check=True)


def tag_mp3(path, title, artist):
    tags = ID3()
    tags.add(TIT2(encoding=1, text=title))
    tags.add(TPE1(encoding=1, text=artist))
    tags.add(TALB(encoding=3, text="Benchmark"))
    tags.save(path, v2_version=3)


def tag_wma(path, title, artist):
    audio = ASF(path)
    audio["Title"] = title
    audio["Author"] = artist
    audio["WM/AlbumTitle"] = "Benchmark"
    audio.save()


def folder_of(index):
    folder = index // FILES_PER_FOLDER
    return os.path.join("d%02d" % (folder // FOLDERS_PER_LEVEL), "d%02d" % (folder % FOLDERS_PER_LEVEL))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("dir")
    parser.add_argument("count", type=int)
    parser.add_argument("--duplicates", type=float, default=0.25)
    parser.add_argument("--wma", type=float, default=0.2)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()

    random.seed(args.seed)
    clips = os.path.join(args.dir, ".clips")
    os.makedirs(clips, exist_ok=True)
    mp3 = os.path.join(clips, "clip.mp3")
    wma = os.path.join(clips, "clip.wma")
    make_clip(mp3, "libmp3lame", ["-b:a", "32k"])
    make_clip(wma, "wmav2", ["-b:a", "32k"])

    originals = []
    duplicates = 0
    for index in range(args.count):
        if originals and random.random() < args.duplicates:
            title, artist = random.choice(originals)
            duplicates += 1
        else:
            title, artist = "Song %d" % index, "Artist %d" % (index % 997)
            originals.append((title, artist))
        is_wma = random.random() < args.wma
        folder = os.path.join(args.dir, folder_of(index))
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "track%06d.%s" % (index, "wma" if is_wma else "mp3"))
        shutil.copyfile(wma if is_wma else mp3, path)
        (tag_wma if is_wma else tag_mp3)(path, title, artist)
    print("%d files, %d duplicates by title and artist, in %s" % (args.count, duplicates, args.dir))


if __name__ == "__main__":
    sys.exit(main())
