#!/usr/bin/python3
"""Prints what python-docx reads from a Word document, as JSON on stdout.

Usage: docx_dump.py FILE
Exit status 3 when python-docx is not importable, 2 when the file cannot be read.
"""
import json
import sys

try:
    import docx
    from docx.enum.section import WD_ORIENT
    from docx.oxml.ns import qn
    from docx.table import _Cell
except ImportError:
    sys.exit(3)


def twips(length):
    return None if length is None else int(round(length / 635))


def runs(paragraph):
    return [{"text": r.text,
             "bold": bool(r.bold),
             "size": r.font.size.pt if r.font.size is not None else None,
             "font": r.font.name} for r in paragraph.runs]


def para(paragraph):
    alignment = paragraph.alignment
    return {"text": paragraph.text,
            "alignment": int(alignment) if alignment is not None else None,
            "runs": runs(paragraph)}


def cell(tc, table):
    tcPr = tc.tcPr
    shd = tcPr.find(qn("w:shd")) if tcPr is not None else None
    width = tcPr.find(qn("w:tcW")) if tcPr is not None else None
    c = _Cell(tc, table)
    return {"text": c.text,
            "span": tc.grid_span,
            "width": int(width.get(qn("w:w"))) if width is not None else None,
            "shd": None if shd is None else {"val": shd.get(qn("w:val")),
                                             "color": shd.get(qn("w:color")),
                                             "fill": shd.get(qn("w:fill"))},
            "paragraphs": [para(p) for p in c.paragraphs]}


def main():
    try:
        document = docx.Document(sys.argv[1])
    except Exception as error:  # any reading failure is the answer
        print(str(error), file=sys.stderr)
        sys.exit(2)
    section = document.sections[0]
    out = {"paragraphs": [para(p) for p in document.paragraphs],
           "page": {"width": twips(section.page_width), "height": twips(section.page_height),
                    "left": twips(section.left_margin), "right": twips(section.right_margin),
                    "top": twips(section.top_margin), "bottom": twips(section.bottom_margin),
                    "landscape": section.orientation == WD_ORIENT.LANDSCAPE},
           "body": [child.tag.split("}")[1] for child in document.element.body],
           "tables": []}
    for table in document.tables:
        grid = [int(col.get(qn("w:w"))) for col in table._tbl.tblGrid.findall(qn("w:gridCol"))]
        out["tables"].append({"style": table.style.name if table.style is not None else None,
                              "grid": grid,
                              "rows": [[cell(tc, table) for tc in tr.tc_lst] for tr in table._tbl.tr_lst]})
    json.dump(out, sys.stdout, ensure_ascii=False)


main()
