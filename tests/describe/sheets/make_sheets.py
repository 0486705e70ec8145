#!/usr/bin/python3
"""Writes the spreadsheet fixtures of the sheet reader tests with writers of
their own: openpyxl (Debian's python3-openpyxl) for .xlsx, odfpy
(python3-odf) for .ods, and, when LibreOffice is installed, its headless
converter for a workbook with formulas and their cached results (openpyxl
stores formulas without results). The inline-string workbook is written as
plain XML parts, the way streaming exporters write it.

Run from this folder with the system Python: /usr/bin/python3 make_sheets.py
"""
import datetime
import os
import shutil
import subprocess
import tempfile
import zipfile

import openpyxl
from odf.opendocument import OpenDocumentSpreadsheet
from odf.table import Table, TableRow, TableCell
from odf.text import P

HERE = os.path.dirname(os.path.abspath(__file__))


def fixed_times(path):
    """Rewrites a zip with fixed entry times, so that a rerun gives the same bytes."""
    with zipfile.ZipFile(path) as z:
        items = [(i, z.read(i.filename)) for i in z.infolist()]
    with zipfile.ZipFile(path, "w") as z:
        for info, data in items:
            fixed = zipfile.ZipInfo(info.filename, (2024, 1, 1, 0, 0, 0))
            fixed.compress_type = (zipfile.ZIP_STORED if info.filename == "mimetype"
                                   else zipfile.ZIP_DEFLATED)
            z.writestr(fixed, data)


def xlsx_class():
    """Names in the first row, line names, Danish letters, many digits, a
    date, booleans, an error value, an empty column in the middle, a second
    sheet. Starts at B2 so that the used range must be found."""
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Højder"
    rows = [
        ["Navn", "Højde", "Vægt", None, "Født", "Bestået", "Forhold"],
        ["Åse", 1.52, 45.5, None, datetime.date(2010, 3, 5), True, "#DIV/0!"],
        ["Søren", 1.655, 50, None, datetime.date(2009, 12, 31), False, 0.1 + 0.2],
        ["Ærlige Ørn", 1.7, 0.123456789012345, None, None, None, 1e-3],
    ]
    for r, row in enumerate(rows):
        for c, v in enumerate(row):
            if v is not None:
                ws.cell(row=r + 2, column=c + 2, value=v)
    ws.cell(row=2, column=6).number_format = "dd-mm-yyyy"
    for r in (3, 4):
        ws.cell(row=r, column=6).number_format = "yyyy-mm-dd"
    second = wb.create_sheet("Ark 2")
    second.append([10, 20])
    second.append([30, 40])
    path = os.path.join(HERE, "klasse.xlsx")
    wb.save(path)
    fixed_times(path)


def xlsx_wide():
    """30 columns of numbers under no names: only 26 fit."""
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Bred"
    for r in range(3):
        ws.append([r * 100 + c for c in range(30)])
    path = os.path.join(HERE, "bred.xlsx")
    wb.save(path)
    fixed_times(path)


def xlsx_inline():
    """A workbook whose texts are inline strings, cells without references."""
    parts = {
        "[Content_Types].xml":
            '<?xml version="1.0" encoding="UTF-8"?>'
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
            '<Override PartName="/xl/worksheets/data.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
            '</Types>',
        "_rels/.rels":
            '<?xml version="1.0" encoding="UTF-8"?>'
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
            '</Relationships>',
        "xl/_rels/workbook.xml.rels":
            '<?xml version="1.0" encoding="UTF-8"?>'
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rIdA" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/data.xml"/>'
            '</Relationships>',
        "xl/workbook.xml":
            '<?xml version="1.0" encoding="UTF-8"?>'
            '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
            'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
            '<workbookPr date1904="1"/>'
            '<sheets><sheet name="Måling" sheetId="1" r:id="rIdA"/></sheets></workbook>',
        "xl/worksheets/data.xml":
            '<?xml version="1.0" encoding="UTF-8"?>'
            '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
            '<row><c t="inlineStr"><is><t>Tid</t></is></c><c t="inlineStr"><is><r><t>Lø</t></r><r><t>b</t></r></is></c></row>'
            '<row><c><v>12.5</v></c><c t="inlineStr"><is><t xml:space="preserve">ja </t></is></c></row>'
            '<row><c><v>1.5E-2</v></c><c t="str"><f>"n"&amp;"ej"</f><v>nej</v></c></row>'
            '<row><c t="d"><v>2024-02-29T00:00:00</v></c></row>'
            '</sheetData></worksheet>',
    }
    path = os.path.join(HERE, "inline.xlsx")
    with zipfile.ZipFile(path, "w") as z:
        for name, text in parts.items():
            z.writestr(zipfile.ZipInfo(name, (2024, 1, 1, 0, 0, 0)), text.encode("utf-8"),
                       zipfile.ZIP_DEFLATED)


def ods_cell(value_type=None, text=None, repeat=None, **attrs):
    kw = {}
    if value_type:
        kw["valuetype"] = value_type
    if repeat:
        kw["numbercolumnsrepeated"] = repeat
    kw.update(attrs)
    cell = TableCell(**kw)
    if text is not None:
        cell.addElement(P(text=text))
    return cell


def ods_class():
    """Two tables; names, Danish letters, a formula with its result, a date,
    a percentage, a boolean, repeated cells and rows, an empty column."""
    doc = OpenDocumentSpreadsheet()
    t = Table(name="Målinger")
    head = TableRow()
    for name in ["Elev", "Længde", None, "Dato", "Sum", "Andel", "OK"]:
        head.addElement(ods_cell("string", name) if name else ods_cell())
    t.addElement(head)
    data = [
        ("Bø", "2.25", "2024-05-03", "4.5", "0.25", "true"),
        ("Å", "3.14159265358979", "2023-12-24T10:30:00", "6.28318530717958", "0.5", "false"),
    ]
    for name, length, date, total, share, ok in data:
        row = TableRow()
        row.addElement(ods_cell("string", name))
        row.addElement(ods_cell("float", length.replace(".", ","), value=length))
        row.addElement(ods_cell())
        row.addElement(ods_cell("date", "x", datevalue=date))
        row.addElement(ods_cell("float", "?", value=total, formula="of:=2*[.B%d]" % 2))
        row.addElement(ods_cell("percentage", share, value=share))
        row.addElement(ods_cell("boolean", "SAND", booleanvalue=ok))
        row.addElement(ods_cell(repeat=1000))
        t.addElement(row)
    twice = TableRow(numberrowsrepeated=2)
    twice.addElement(ods_cell("string", "Ens"))
    twice.addElement(ods_cell("float", "7", value="7"))
    twice.addElement(ods_cell())
    twice.addElement(ods_cell("float", "8", value="8", repeat=2))
    t.addElement(twice)
    t.addElement(TableRow(numberrowsrepeated=1048000))
    doc.spreadsheet.addElement(t)
    t2 = Table(name="Andet ark")
    row = TableRow()
    row.addElement(ods_cell("float", "1", value="1"))
    t2.addElement(row)
    doc.spreadsheet.addElement(t2)
    path = os.path.join(HERE, "klasse.ods")
    doc.save(path)
    fixed_times(path)


def libreoffice_formulas():
    """A workbook with formulas, saved by LibreOffice with their results."""
    office = shutil.which("soffice") or shutil.which("libreoffice")
    if not office:
        print("LibreOffice not found: formler.xlsx kept as it is")
        return
    with tempfile.TemporaryDirectory() as tmp:
        doc = OpenDocumentSpreadsheet()
        t = Table(name="Formler")
        for r, (a, b) in enumerate([("Tal", "Dobbelt"), (1.5, None), (2.25, None), (0, None)]):
            row = TableRow()
            if isinstance(a, str):
                row.addElement(ods_cell("string", a))
                row.addElement(ods_cell("string", b))
            else:
                row.addElement(ods_cell("float", str(a), value=str(a)))
                row.addElement(ods_cell(formula="of:=2*[.A%d]" % (r + 1)))
            t.addElement(row)
        err = TableRow()
        err.addElement(ods_cell("string", "Fejl"))
        err.addElement(ods_cell(formula="of:=1/[.A4]"))
        t.addElement(err)
        doc.spreadsheet.addElement(t)
        src = os.path.join(tmp, "formler.ods")
        doc.save(src)
        subprocess.run([office, "--headless", "--convert-to", "xlsx", "--outdir", tmp, src],
                       check=True, stdout=subprocess.DEVNULL)
        out = os.path.join(HERE, "formler.xlsx")
        shutil.copy(os.path.join(tmp, "formler.xlsx"), out)
        fixed_times(out)


if __name__ == "__main__":
    xlsx_class()
    xlsx_wide()
    xlsx_inline()
    ods_class()
    libreoffice_formulas()
