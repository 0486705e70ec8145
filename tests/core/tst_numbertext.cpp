// Cell texts from numbers (fixed decimals, general 15-digit form) and numbers
// from typed texts.
#include "NumberText.h"

#include <QLocale>
#include <QtTest>

class TestNumberText : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Decimals "g": the general form.
    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("decimals");
        QTest::addColumn<QString>("text");
        auto Row = [](const char *Name, double Value, const char *Decimals, const char *Text) {
            QTest::newRow(Name) << Value << QString(Decimals) << QString(Text);
        };
        Row("pi 2", 3.14159, "2", "3,14");
        Row("no mark at 0 decimals", 7.25, "0", "7");
        Row("round up at 0", 7.75, "0", "8");
        Row("negative zero after rounding", -0.001, "2", "0,00");
        Row("negative decimals count as 0", 2.4, "-3", "2");
        // Ties round away from zero on the decimal digits, as taught in school.
        Row("tie up", 2.5, "0", "3");
        Row("tie up negative", -0.125, "2", "-0,13");
        Row("carry into new digit", 9.996, "2", "10,00");
        Row("tiny rounds to zero", 1e-30, "3", "0,000");
        Row("decimals above 18 count as 18", 0.25, "25", "0,250000000000000000");
        Row("huge switches to scientific", 1.5e20, "2", "1,5E20");
        Row("huge negative", -2e19, "0", "-2E19");
        Row("general integer", 42.0, "g", "42");
        Row("general third, 15 digits", 1.0 / 3.0, "g", "0,333333333333333");
        Row("general tiny", 1.5e-7, "g", "1,5E-7");
        Row("general large", 1e20, "g", "1E20");
        Row("general negative", -1234.5, "g", "-1234,5");
        Row("general binary noise rounded", 0.1 + 0.2, "g", "0,3");
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, decimals);
        QFETCH(QString, text);
        QCOMPARE(decimals == "g" ? FormatGeneral(value) : FormatNumber(value, decimals.toInt()),
                 text);
    }

    void formatEighteenDigits()
    {
        // 18 significant digits: the 19th and later are rounded away before
        // the decimals are applied.
        Extended V = 1.0L / 3.0L;
        QCOMPARE(FormatNumber(V, 18), QString("0,333333333333333333"));
        QCOMPARE(FormatNumber(V * 100, 18), QString("33,333333333333333300"));
        // A typed tie rounds up although its binary value lies a hair below.
        Extended Typed = 0;
        QVERIFY(ParseNumber("1,005", Typed));
        QCOMPARE(FormatNumber(Typed, 2), QString("1,01"));
    }

    // Kind "i": read as a 32-bit integer.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        auto Row = [](const char *Name, const QString &Text, const char *Kind, bool Ok, double V) {
            QTest::newRow(Name) << Text << QString(Kind) << Ok << V;
        };
        Row("comma", "2,5", "", true, 2.5);
        Row("point", "2.5", "", true, 2.5);
        Row("point is decimal", "1.000", "", true, 1.0);
        Row("point and comma", "1.000,5", "", false, 0.0);
        Row("two commas", "4,2,1", "", false, 0.0);
        Row("blanks around", " 4,2 ", "", true, 4.2);
        Row("sign", "-3", "", true, -3.0);
        Row("plus sign", "+3", "", true, 3.0);
        Row("negative exponent", "2,5e-3", "", true, 2.5e-3);
        Row("empty", "", "", false, 0.0);
        Row("dash", "-", "", false, 0.0);
        Row("inf", "inf", "", false, 0.0);
        Row("out of range", "1e99999", "", false, 0.0);
        Row("hex", "0x1F", "", false, 0.0);
        Row("thousands", "1 000", "", false, 0.0);
        Row("exponent without digits", "1e", "", false, 0.0);
        Row("arabic digits", QString::fromUtf8("\u0661"), "", false, 0.0);
        Row("tab around", "\t4", "", false, 0.0);
        Row("integer", "12", "i", true, 12.0);
        Row("integer decimal", "2,5", "i", false, 0.0);
        Row("integer max", "2147483647", "i", true, 2147483647.0);
        Row("integer min", "-2147483648", "i", true, -2147483648.0);
        Row("integer overflow", "2147483648", "i", false, 0.0);
        Row("integer hex", "$10", "i", false, 0.0);
        Row("integer empty", "", "i", false, 0.0);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, kind);
        QFETCH(bool, ok);
        QFETCH(double, value);
        Extended V = -99;
        int32_t I = -99;
        QCOMPARE(kind == "i" ? ParseInteger(text, I) : ParseNumber(text, V), ok);
        if (ok)
            QCOMPARE(kind == "i" ? double(I) : double(V), value);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
