#!/usr/bin/env python3
"""Whether a previewed paper carries its marks where the printed page does.

same_marks.py PRINTED.pgm CAPTURE.pgm LEFT,TOP,RIGHT,BOTTOM
The printed page fills PRINTED; in CAPTURE the paper is the white area inside the given
rectangle (the preview window). Both are reduced to the same grid of cells, a cell being
inked when any of its pixels is dark enough; the marks (borders, page numbers, watermark,
page content) agree when nearly every inked cell of one has ink within one cell in the
other. Prints both shares; exit code 1 when they disagree."""
import sys

GRID = (60, 85)
INK = 200
WHITE = 245
AGREEMENT = 0.9


def read_pgm(path):
    with open(path, 'rb') as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b'P5' and int(fields[3]) < 256, path
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height]


def paper_box(width, pixels, area):
    left, top, right, bottom = area
    rows = [y for y in range(top, bottom)
            if any(pixels[y * width + x] >= WHITE for x in range(left, right, 2))]
    cols = [x for x in range(left, right)
            if any(pixels[y * width + x] >= WHITE for y in range(top, bottom, 2))]
    return cols[0], rows[0], cols[-1] + 1, rows[-1] + 1


def inked_cells(width, pixels, box):
    left, top, right, bottom = box
    cells = set()
    for y in range(top, bottom):
        row = (y - top) * GRID[1] // (bottom - top)
        base = y * width
        for x in range(left, right):
            if pixels[base + x] < INK:
                cells.add(((x - left) * GRID[0] // (right - left), row))
    return cells


def share_near(cells, others):
    if not cells:
        return 0.0
    near = sum(1 for (x, y) in cells
               if any((x + dx, y + dy) in others for dx in (-1, 0, 1) for dy in (-1, 0, 1)))
    return near / len(cells)


def main():
    pw, ph, printed = read_pgm(sys.argv[1])
    cw, _, captured = read_pgm(sys.argv[2])
    area = [int(v) for v in sys.argv[3].split(',')]
    box = paper_box(cw, captured, area)
    on_paper = inked_cells(pw, printed, (0, 0, pw, ph))
    on_screen = inked_cells(cw, captured, box)
    a, b = share_near(on_paper, on_screen), share_near(on_screen, on_paper)
    print(f'paper={box[0]},{box[1]},{box[2]},{box[3]} printed_cells={len(on_paper)} '
          f'shown_cells={len(on_screen)} printed_shown={a:.3f} shown_printed={b:.3f}')
    return 0 if min(a, b) >= AGREEMENT and on_paper else 1


sys.exit(main())
