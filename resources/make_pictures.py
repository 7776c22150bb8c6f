#!/usr/bin/env python3
"""Draw Quorvane's pictures (pegs, empty slot, window icons) as 32 x 32 PNGs.

Only the standard library is used, so the pictures can be rebuilt anywhere.
Every pixel is either fully transparent or fully opaque, and only the classic
16-colour palette is used, so the pictures look the same on every display.
"""
import os
import struct
import zlib

SIZE = 32
CLEAR = (0, 0, 0, 0)

BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
MAGENTA = (255, 0, 255)
CYAN = (0, 255, 255)
WHITE = (255, 255, 255)

# Peg colours in the order the game numbers them.
PEG_COLOURS = [MAGENTA, BLUE, CYAN, LIME, YELLOW, RED, PURPLE, NAVY,
               TEAL, GREEN, OLIVE, MAROON, BLACK, GREY, SILVER, WHITE]


def new_image():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def put(img, x, y, rgb):
    img[y][x] = rgb + (255,)


def fill_rect(img, x0, y0, w, h, rgb):
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            put(img, x, y, rgb)


def raised_peg(img, x0, y0, size, colour, shadow=2):
    """A square peg with a black outline (corners cut off), a one-pixel white
    highlight at the top and left and a darker shadow at the bottom and right,
    so it seems to stand up from the board."""
    last = size - 1
    inner_end = last - shadow  # first column/row of the shadow
    for y in range(size):
        for x in range(size):
            if (x in (0, last)) and (y in (0, last)):
                continue  # cut corners give the peg a softer look
            if x in (0, last) or y in (0, last):
                rgb = BLACK
            elif min(x, y) == 1 and max(x, y) <= last - 2:
                rgb = WHITE
            elif x >= inner_end or y >= inner_end:
                rgb = GREY
            else:
                rgb = colour
            put(img, x0 + x, y0 + y, rgb)


def peg_picture(index):
    img = new_image()
    raised_peg(img, 0, 0, 23, PEG_COLOURS[index])
    return img


def empty_picture():
    """A sunken slot: dark band top/left, light band bottom/right, meeting in
    a diagonal mitre at the top-right and bottom-left corners."""
    img = new_image()
    w, h = 24, 22
    for y in range(h):
        for x in range(w):
            if x in (0, w - 1) or y in (0, h - 1):
                put(img, x, y, BLACK)
                continue
            to_top_left = min(x - 1, y - 1)
            to_bottom_right = min(w - 2 - x, h - 2 - y)
            if min(to_top_left, to_bottom_right) >= 2:
                rgb = SILVER
            elif to_top_left < to_bottom_right:
                rgb = GREY
            else:
                rgb = WHITE
            put(img, x, y, rgb)
    return img


def board_icon():
    """Four raised pegs in a 2 x 2 block: the game in a nutshell."""
    img = new_image()
    for (col, row), colour in zip([(0, 0), (1, 0), (0, 1), (1, 1)],
                                  [RED, BLUE, YELLOW, LIME]):
        raised_peg(img, 1 + 16 * col, 1 + 16 * row, 14, colour, shadow=1)
    return img


def about_icon():
    """A big blue peg with a white letter "i" on it."""
    img = new_image()
    raised_peg(img, 1, 1, 30, BLUE)
    fill_rect(img, 14, 6, 4, 4, WHITE)    # dot
    fill_rect(img, 12, 12, 6, 2, WHITE)   # top serif
    fill_rect(img, 14, 14, 4, 8, WHITE)   # stem
    fill_rect(img, 11, 22, 10, 2, WHITE)  # foot
    return img


def png_bytes(img):
    def chunk(kind, data):
        body = kind + data
        return (struct.pack(">I", len(data)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in img)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                           "pictures")
    os.makedirs(out_dir, exist_ok=True)
    pictures = {"peg%02d.png" % i: peg_picture(i) for i in range(16)}
    pictures["empty.png"] = empty_picture()
    pictures["board.png"] = board_icon()
    pictures["about.png"] = about_icon()
    for name, img in pictures.items():
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(png_bytes(img))


if __name__ == "__main__":
    main()
