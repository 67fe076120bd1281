// SPDX-License-Identifier: GPL-3.0-or-later
// The interpreters: each language on fragments worked by hand (whole-number
// division and remainder, arrays, the loops, input and output), the places
// where the languages differ (negative remainders, a loop's variable after
// the loop, Basic's rounding operands), their faults, and runs of one
// fragment in several languages.
#include "taskcheck/error.h"
#include "taskcheck/interpret.h"

#include <QTest>

using namespace zut::check;

Q_DECLARE_METATYPE(zut::check::Language)

namespace {

// Checks "s=32; i=-; a[2]=0": a variable's value, '-' for no value, or an element.
void expectValues(const RunResult& r, const QString& expected) {
    for (const QString& item : expected.split(';', Qt::SkipEmptyParts)) {
        const QStringList kv = item.split('=');
        const QString name = kv[0].trimmed(), want = kv[1].trimmed();
        if (name.contains('[')) {
            const QString array = name.section('[', 0, 0);
            const qint64 index = name.section('[', 1).chopped(1).toLongLong();
            QVERIFY2(r.arrays.count(array), qPrintable("no array " + array));
            const auto& el = r.arrays.at(array).elements;
            QVERIFY2(el.count(index), qPrintable(name + " has no value"));
            QCOMPARE(el.at(index).toString(), want);
        } else if (want == QLatin1String("-")) {
            QVERIFY2(!r.variables.count(name), qPrintable(name + " should have no value"));
        } else {
            QVERIFY2(r.variables.count(name), qPrintable(name + " has no value"));
            QCOMPARE(r.variables.at(name).toString(), want);
        }
    }
}

QString fault(Language lang, const QString& source, const RunOptions& options = {}) {
    try {
        run(lang, source, options);
    } catch (const CheckError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

} // namespace

class TestInterpreters : public QObject {
    Q_OBJECT

private slots:
    void fragments_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QStringList>("output");

        // --- Pascal ---
        QTest::newRow("Pascal div and mod") << Language::Pascal << QString::fromUtf8(R"(
a := 1234;
b := a div 100;
c := a mod 100;
d := (b + c) mod 7)") << QStringList() << "b=12; c=34; d=4"
                                            << QStringList();

        QTest::newRow("Pascal program with an array") << Language::Pascal << QString::fromUtf8(R"(
program evens;
var i, s: integer;
    a: array[1..6] of integer;
begin
  s := 0;
  for i := 1 to 6 do
  begin
    a[i] := i * i - 2 * i;
    if a[i] mod 2 = 0 then s := s + a[i]
  end;
  writeln(s)
end.)") << QStringList() << "s=32; i=-; a[1]=-1; a[3]=3; a[6]=24"
                                                      << QStringList{"32"};

        QTest::newRow("Pascal while") << Language::Pascal << QString::fromUtf8(R"(
n := 37; k := 0;
while n > 0 do
begin
  k := k + n mod 2;
  n := n div 2
end)") << QStringList() << "k=3; n=0" << QStringList();

        QTest::newRow("Pascal repeat") << Language::Pascal << QString::fromUtf8(R"(
x := 1; i := 0;
repeat
  x := x * 3;
  i := i + 1
until x > 100)") << QStringList() << "x=243; i=5"
                                       << QStringList();

        QTest::newRow("Pascal downto and widths") << Language::Pascal << QString::fromUtf8(R"(
var i: integer;
begin
  for i := 5 downto 1 do write(i:2);
  writeln;
  writeln(7 / 2:6:2)
end.)") << QStringList() << "i=-" << QStringList{" 5 4 3 2 1", "  3.50"};

        QTest::newRow("Pascal readln") << Language::Pascal << QString::fromUtf8(R"(
var a, b, c: integer;
begin
  readln(a, b);
  c := a * b - (a + b)
end.)") << QStringList{"7", "4"} << "c=17"
                                       << QStringList();

        // Pascal rounds the quotient towards zero; the remainder takes the dividend's sign.
        QTest::newRow("Pascal negative division")
            << Language::Pascal << "a := -7 div 2; b := -7 mod 2" << QStringList() << "a=-3; b=-1"
            << QStringList();

        // A fragment may declare some names and take the others as declared elsewhere.
        QTest::newRow("Pascal fragment opening with var") << Language::Pascal << QString::fromUtf8(R"(
var a: array[1..6]
  of integer;
a[1] := 1;
for i := 2 to 6 do
  a[i] := a[i div 2] + i mod 2;)") << QStringList() << "a[5]=2; a[6]=2; a[3]=2; i=-"
                                                        << QStringList();
        QTest::newRow("Pascal fragment opening with const and var")
            << Language::Pascal << "const n = 4;\nvar k, m: integer;\nk := n * n; m := k mod 5; t := m - n"
            << QStringList() << "k=16; m=1; t=-3" << QStringList();

        QTest::newRow("Pascal reals and constants") << Language::Pascal << QString::fromUtf8(R"(
const n = 4;
var x: real; k: integer;
begin
  x := 7 / 2;
  k := trunc(x) + round(3.7) + trunc(-3.7) + sqr(n)
end.)") << QStringList() << "x=3.5; k=20" << QStringList();

        QTest::newRow("Pascal break and inc") << Language::Pascal << QString::fromUtf8(R"(
s := 0;
for i := 1 to 100 do
begin
  if i * i > 50 then break;
  inc(s, i)
end)") << QStringList() << "s=28; i=8" << QStringList();

        // The second operand of and is not read once the first is false,
        // so a[4] is never asked for.
        QTest::newRow("Pascal and stops early") << Language::Pascal << QString::fromUtf8(R"(
var a: array[1..3] of integer; i: integer;
begin
  a[1] := 5; a[2] := 7; a[3] := 9;
  i := 1;
  while (i <= 3) and (a[i] > 0) do i := i + 1
end.)") << QStringList() << "i=4" << QStringList();

        // else belongs to the nearest if.
        QTest::newRow("Pascal nested if")
            << Language::Pascal << "a := 3; b := 0;\nif a > 0 then if a > 5 then b := 1 else b := 2"
            << QStringList() << "b=2" << QStringList();

        QTest::newRow("Pascal continue") << Language::Pascal << QString::fromUtf8(R"(
s := 0;
for i := 1 to 10 do
begin
  if i mod 3 = 0 then continue;
  s := s + i
end)") << QStringList() << "s=37" << QStringList();

        // --- Basic ---
        QTest::newRow("Basic MOD below *") << Language::Basic << QString::fromUtf8(R"(
DIM A(5)
S = 0
FOR I = 1 TO 5
  A(I) = I * I MOD 7
  S = S + A(I)
NEXT I
PRINT S)") << QStringList() << "S=13; I=6; A[3]=2; A[5]=4"
                                           << QStringList{" 13 "};

        QTest::newRow("Basic quotient and remainder") << Language::Basic << QString::fromUtf8(R"(
N = 1234
A = N \ 100
B = N MOD 100
C = (A + B) MOD 7)") << QStringList() << "A=12; B=34; C=4"
                                                      << QStringList();

        QTest::newRow("Basic IF forms") << Language::Basic << QString::fromUtf8(R"(
X = 17
IF X MOD 2 = 0 THEN Y = 1 ELSE Y = 2
IF X > 10 THEN
  Z = X - 10
ELSE
  Z = 10 - X
END IF)") << QStringList() << "Y=2; Z=7" << QStringList();

        QTest::newRow("Basic WHILE") << Language::Basic << QString::fromUtf8(R"(
N = 37: K = 0
WHILE N > 0
  K = K + N MOD 2
  N = N \ 2
WEND)") << QStringList() << "K=3; N=0"
                                     << QStringList();

        QTest::newRow("Basic STEP down") << Language::Basic << QString::fromUtf8(R"(
FOR I = 9 TO 1 STEP -2
  PRINT I;
NEXT I
PRINT)") << QStringList() << "I=-1" << QStringList{" 9  7  5  3  1 "};

        QTest::newRow("Basic INPUT") << Language::Basic << "INPUT \"Два числа\"; A, B\nPRINT A * B"
                                     << QStringList{"6", "7"} << "A=6; B=7" << QStringList{" 42 "};

        QTest::newRow("Basic line numbers") << Language::Basic << QString::fromUtf8(R"(
10 S = 0
20 FOR K = 1 TO 4: S = S + K: NEXT K
30 PRINT "S ="; S)") << QStringList() << "S=10"
                                            << QStringList{"S = 10 "};

        // / gives a real; \ rounds its operands first, so 7.6 \ 2 is 8 \ 2.
        QTest::newRow("Basic divisions")
            << Language::Basic << "A = 7 / 2\nB = INT(-3.5)\nC = 7 \\ 2\nD = 7.6 \\ 2\nE = -7 MOD 2"
            << QStringList() << "A=3.5; B=-4; C=3; D=4; E=-1" << QStringList();

        QTest::newRow("Basic DO LOOP UNTIL")
            << Language::Basic << "X = 1\nDO\n  X = X * 3\nLOOP UNTIL X > 100" << QStringList()
            << "X=243" << QStringList();

        QTest::newRow("Basic ELSEIF") << Language::Basic << QString::fromUtf8(R"(
X = 0
IF X < 0 THEN
  S = -1
ELSEIF X = 0 THEN
  S = 0
ELSE
  S = 1
END IF)") << QStringList() << "S=0" << QStringList();

        // --- the school algorithmic language ---
        QTest::newRow("algorithmic div and mod") << Language::Algorithmic << QString::fromUtf8(R"(
алг Цифры
нач
  цел a, b, c, d
  a := 1234
  b := div(a, 100)
  c := mod(a, 100)
  d := mod(b + c, 7)
кон)") << QStringList() << "b=12; c=34; d=4" << QStringList();

        QTest::newRow("algorithmic table") << Language::Algorithmic << QString::fromUtf8(R"(
цел i, s
целтаб A[1:6]
s := 0
нц для i от 1 до 6
  A[i] := i * i - 2 * i
  если mod(A[i], 2) = 0 то
    s := s + A[i]
  все
кц
вывод s)") << QStringList() << "s=32; i=-; A[1]=-1; A[4]=8"
                                           << QStringList{"32"};

        // The remainder is never negative for a positive divisor.
        QTest::newRow("algorithmic negative division")
            << Language::Algorithmic << "a := div(-7, 2); b := mod(-7, 2)" << QStringList()
            << "a=-4; b=1" << QStringList();

        QTest::newRow("algorithmic while") << Language::Algorithmic << QString::fromUtf8(R"(
n := 37; k := 0
нц пока n > 0
  k := k + mod(n, 2)
  n := div(n, 2)
кц)") << QStringList() << "k=3; n=0" << QStringList();

        QTest::newRow("algorithmic loop with a condition after")
            << Language::Algorithmic
            << QString::fromUtf8("x := 1; i := 0\nнц\n  x := x * 3\n  i := i + 1\nкц при x > 100")
            << QStringList() << "x=243; i=5" << QStringList();

        QTest::newRow("algorithmic n times")
            << Language::Algorithmic << QString::fromUtf8("s := 0\nнц 4 раз\n  s := s + 5\nкц")
            << QStringList() << "s=20" << QStringList();

        QTest::newRow("algorithmic input and lines")
            << Language::Algorithmic
            << QString::fromUtf8("цел a, b\nввод a, b\nвывод a + b, нс, a * b")
            << QStringList{"3", "4"} << "a=3; b=4" << QStringList{"7", "12"};

        QTest::newRow("algorithmic if across lines")
            << Language::Algorithmic << QString::fromUtf8(R"(
x := 17
если mod(x, 2) = 0
  то y := 1
  иначе y := 2
все
z := 0
если x > 10 и не (x > 20) то z := 1 все)")
            << QStringList() << "y=2; z=1" << QStringList();

        QTest::newRow("algorithmic choice") << Language::Algorithmic << QString::fromUtf8(R"(
x := 7
выбор
  при x < 5: y := 1
  при x < 10: y := 2
  иначе y := 3
все)") << QStringList() << "y=2" << QStringList();

        // --- C ---
        QTest::newRow("C / and %") << Language::C << QString::fromUtf8(R"(
#include <stdio.h>
int main() {
    int a = 1234, b, c, d;
    b = a / 100;
    c = a % 100;
    d = (b + c) % 7;
    printf("%d %d %d\n", b, c, d);
    return 0;
})") << QStringList() << "b=12; c=34; d=4"
                                   << QStringList{"12 34 4"};

        QTest::newRow("C array") << Language::C << QString::fromUtf8(R"(
int i, s = 0;
int a[6];
for (i = 0; i < 6; i++) {
    a[i] = (i + 1) * (i + 1) - 2 * (i + 1);
    if (a[i] % 2 == 0) s += a[i];
})") << QStringList() << "s=32; i=6; a[0]=-1; a[5]=24"
                                 << QStringList();

        QTest::newRow("C negative division") << Language::C << "int a = -7 / 2, b = -7 % 2;"
                                             << QStringList() << "a=-3; b=-1" << QStringList();

        QTest::newRow("C do while")
            << Language::C << "int x = 1, i = 0;\ndo { x *= 3; i++; } while (x <= 100);"
            << QStringList() << "x=243; i=5" << QStringList();

        QTest::newRow("C scanf") << Language::C << QString::fromUtf8(R"(
int main(void) {
    int n, k = 0;
    scanf("%d", &n);
    while (n > 0) { k += n % 2; n /= 2; }
    printf("%d", k);
})") << QStringList{"37"} << "k=3; n=0"
                                 << QStringList{"3"};

        QTest::newRow("C initial values and reals")
            << Language::C << QString::fromUtf8(R"(
int a[5] = {4, 1, 3};
double m = (a[0] + a[1] + a[2] + a[3] + a[4]) / 5.0;
double h = (double) 7 / 2;
int t = 7 / 2 * 2;
printf("%.2f %5.1f|%-3d|%03d", m, h, t, t);)")
            << QStringList() << "a[3]=0; m=1.6; h=3.5; t=6" << QStringList{"1.60   3.5|6  |006"};

        QTest::newRow("C continue and a loop's own variable")
            << Language::C
            << "int s = 100;\nfor (int i = 1; i <= 5; i++) {\n  if (i == 2) continue;\n  s -= i;\n}"
            << QStringList() << "s=87; i=6" << QStringList();
    }

    void fragments() {
        QFETCH(Language, language);
        QFETCH(QString, source);
        QFETCH(QStringList, input);
        QFETCH(QString, values);
        QFETCH(QStringList, output);
        RunOptions o;
        o.input = input;
        const RunResult r = run(language, source, o);
        expectValues(r, values);
        QCOMPARE(r.output, output);
    }

    void faults_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        QTest::newRow("Pascal ; missing") << Language::Pascal << "a := 5\nb := 3"
                                          << "line 2";
        // 0 and b binds first in Pascal: a > (0 and b) > 0.
        QTest::newRow("Pascal and without parentheses")
            << Language::Pascal << "a := 1; b := 2; if a > 0 and b > 0 then c := 1"
            << "chained";
        QTest::newRow("Pascal division by zero")
            << Language::Pascal << "a := 5;\nb := 0;\nc := a div b"
            << "line 3: division by zero";
        QTest::newRow("Pascal index out of bounds")
            << Language::Pascal << "var a: array[1..3] of integer;\nbegin\n  a[4] := 1\nend."
            << "outside a[1..3]";
        QTest::newRow("Pascal fragment index out of bounds")
            << Language::Pascal << "var a: array[1..3] of integer;\nfor i := 1 to 4 do a[i] := i"
            << "line 2: the index 4 is outside a[1..3]";
        QTest::newRow("Pascal fragment declaration without a type")
            << Language::Pascal << "var a, b;\na := 1" << "':' expected";
        QTest::newRow("Pascal not declared")
            << Language::Pascal << "var a: integer;\nbegin\n  b := 1\nend."
            << "b is not declared";
        QTest::newRow("Pascal real into integer")
            << Language::Pascal << "var a: integer;\nbegin\n  a := 7 / 2\nend."
            << "whole-number variable a";
        QTest::newRow("Pascal loop variable changed")
            << Language::Pascal << "for i := 1 to 3 do i := i + 1"
            << "changed inside its loop";
        QTest::newRow("Pascal no value yet") << Language::Pascal << "b := a + 1"
                                             << "before it has a value";
        QTest::newRow("Pascal ; before else")
            << Language::Pascal << "a := 1;\nif a > 0 then b := 1; else b := 2"
            << "before 'else'";
        QTest::newRow("Pascal unknown function") << Language::Pascal << "c := foo(1)"
                                                 << "unknown function";
        QTest::newRow("Pascal = for :=") << Language::Pascal << "a = 1"
                                         << "':='";
        QTest::newRow("Pascal unclosed comment") << Language::Pascal << "a := 1 { note"
                                                 << "never closed";
        QTest::newRow("Pascal after the loop")
            << Language::Pascal << "for i := 1 to 3 do a := i;\nb := i"
            << "line 2: i is used before";

        QTest::newRow("Basic FOR without NEXT") << Language::Basic << "FOR I = 1 TO 3\nS = S + I"
                                                << "NEXT";
        QTest::newRow("Basic wrong NEXT") << Language::Basic << "FOR I = 1 TO 3\nS = S + I\nNEXT J"
                                          << "NEXT J closes the loop over I";
        QTest::newRow("Basic GOTO") << Language::Basic << "10 GOTO 10"
                                    << "GOTO is not supported";
        QTest::newRow("Basic expression ends") << Language::Basic << "A = 5 +"
                                               << "value expected";
        QTest::newRow("Basic division by zero") << Language::Basic << "A = 1 / 0"
                                                << "division by zero";
        QTest::newRow("Basic past the DIM") << Language::Basic << "DIM A(3): A(4) = 1"
                                            << "outside A[0..3]";
        QTest::newRow("Basic past the default 10") << Language::Basic << "A(11) = 1"
                                                   << "outside A[0..10]";
        // Basic reads both operands of AND, so A(4) is asked for.
        QTest::newRow("Basic AND reads both") << Language::Basic
                                              << "DIM A(3)\nA(1) = 5: A(2) = 7: A(3) = 9\nI = "
                                                 "1\nWHILE I <= 3 AND A(I) > 0\n  I = I + 1\nWEND"
                                              << "line 4: the index 4 is outside A[0..3]";
        QTest::newRow("Basic IF without END IF") << Language::Basic << "IF 1 = 1 THEN\nA = 1"
                                                 << "END IF";

        QTest::newRow("algorithmic нц without кц")
            << Language::Algorithmic << QString::fromUtf8("нц для i от 1 до 3\n  s := i")
            << "'нц' without 'кц'";
        QTest::newRow("algorithmic если without все")
            << Language::Algorithmic << QString::fromUtf8("если 1 > 0 то s := 1")
            << "without 'все'";
        QTest::newRow("algorithmic = for :=") << Language::Algorithmic << "s = 1"
                                              << "':='";
        QTest::newRow("algorithmic division by zero") << Language::Algorithmic << "s := div(5, 0)"
                                                      << "division by zero";
        QTest::newRow("algorithmic not declared")
            << Language::Algorithmic << QString::fromUtf8("алг\nнач\n  цел a\n  b := 1\nкон")
            << "line 4: b is not declared";
        QTest::newRow("algorithmic loop variable changed")
            << Language::Algorithmic << QString::fromUtf8("нц для i от 1 до 3\n  i := 5\nкц")
            << "changed inside its loop";
        QTest::newRow("algorithmic assertion")
            << Language::Algorithmic << QString::fromUtf8("x := 3\nутв x > 5")
            << "line 2: the assertion does not hold";

        QTest::newRow("C ; missing") << Language::C << "int a = 1\nint b = 2;"
                                     << "line 2";
        QTest::newRow("C not declared") << Language::C << "int main() { x = 1; }"
                                        << "x is not declared";
        QTest::newRow("C past the end") << Language::C << "int a[5];\na[5] = 1;"
                                        << "outside a[0..4]";
        QTest::newRow("C %d of a real") << Language::C << "printf(\"%d\", 2.5);"
                                        << "%d is given the real";
        QTest::newRow("C assignment in a condition")
            << Language::C << "int a = 0;\nif (a = 1) a = 2;"
            << "assignment inside an expression";
        QTest::newRow("C remainder by zero") << Language::C << "int a = 5 % 0;"
                                             << "division by zero";
        QTest::newRow("C format and values") << Language::C << "printf(\"%d %d\", 1);"
                                             << "fewer values";
    }
    void faults() {
        QFETCH(Language, language);
        QFETCH(QString, source);
        QFETCH(QString, message);
        const QString got = fault(language, source);
        QVERIFY2(got.contains(message), qPrintable(got));
        QVERIFY2(got.startsWith(languageName(language)), qPrintable(got));
    }

    void runawayLoops_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("source");
        QTest::newRow("Pascal") << Language::Pascal << "i := 0; while i < 10 do i := i - 1";
        QTest::newRow("Basic") << Language::Basic << "10 WHILE 1 = 1\n20 WEND";
        QTest::newRow("Basic STEP 0") << Language::Basic << "FOR I = 1 TO 2 STEP 0: NEXT";
        QTest::newRow("algorithmic")
            << Language::Algorithmic << QString::fromUtf8("нц пока да\nкц");
        QTest::newRow("C") << Language::C << "for (;;) { }";
    }
    void runawayLoops() {
        QFETCH(Language, language);
        QFETCH(QString, source);
        RunOptions o;
        o.maxSteps = 5000;
        QVERIFY(fault(language, source, o).contains(QLatin1String("more than 5000 steps")));
    }

    void input() {
        // Reading past the given values, and a value of the wrong kind.
        QVERIFY(
            fault(Language::Pascal, "readln(a)").contains(QLatin1String("more values than the 0")));
        RunOptions o;
        o.input = {"2.5"};
        QVERIFY(fault(Language::Pascal, "var a: integer;\nbegin readln(a) end.", o)
                    .contains(QLatin1String("not a whole number")));
        o.input = {"x"};
        QVERIFY(fault(Language::C, "int a; scanf(\"%d\", &a);", o)
                    .contains(QLatin1String("not a number")));
    }

    void resultAccess() {
        const RunResult r = run(Language::Pascal, "a := 5; b := 2.5");
        QCOMPARE(r.integer("a"), qint64(5));
        QVERIFY_THROWS_EXCEPTION(CheckError, r.integer("b"));
        QVERIFY_THROWS_EXCEPTION(CheckError, r.integer("c"));
        const RunResult t = run(Language::Basic, "DIM A(3)\nFOR I = 1 TO 3: A(I) = I * 10: NEXT");
        QCOMPARE(t.elements("A", 1, 3), (std::vector<qint64>{10, 20, 30}));
        QVERIFY_THROWS_EXCEPTION(CheckError, t.element("A", 0));
    }

    void sameFragment() {
        const Comparison c = runAll({
            {Language::Pascal, "a := 1234; b := a div 100; c := a mod 100"},
            {Language::Basic, "A = 1234: B = A \\ 100: C = A MOD 100"},
            {Language::Algorithmic, "a := 1234; b := div(a, 100); c := mod(a, 100)"},
            {Language::C, "int a = 1234, b = a / 100, c = a % 100;"},
        });
        QVERIFY2(c.agree(), qPrintable(c.differences.join('\n')));
        QCOMPARE(c.results.size(), size_t(4));
    }

    void sameArray() {
        // The loop variables end differently (none in Pascal, 7 in Basic and C): not compared.
        const Comparison c = runAll({
            {Language::Pascal, "s := 0;\nfor i := 1 to 6 do\nbegin\n  a[i] := i * i - 2 * i;\n"
                               "  if a[i] mod 2 = 0 then s := s + a[i]\nend;\nwriteln(s)"},
            {Language::Basic, "DIM A(6)\nS = 0\nFOR I = 1 TO 6\n  A(I) = I * I - 2 * I\n"
                              "  IF A(I) MOD 2 = 0 THEN S = S + A(I)\nNEXT I\nPRINT S"},
            {Language::Algorithmic,
             QString::fromUtf8("s := 0\nнц для i от 1 до 6\n  A[i] := i * i - 2 * i\n"
                               "  если mod(A[i], 2) = 0 то s := s + A[i] все\nкц\nвывод s")},
            {Language::C, "int s = 0, i;\nint a[7];\nfor (i = 1; i <= 6; i++) {\n"
                          "  a[i] = i * i - 2 * i;\n  if (a[i] % 2 == 0) s += a[i];\n}\n"
                          "printf(\"%d\\n\", s);"},
        });
        QVERIFY2(c.agree(), qPrintable(c.differences.join('\n')));
    }

    void disagreements() {
        // -7 div 2 is -3 in Pascal, div(-7, 2) is -4 in the school language.
        Comparison c = runAll(
            {{Language::Pascal, "a := -7 div 2"}, {Language::Algorithmic, "a := div(-7, 2)"}});
        QCOMPARE(c.differences.size(), 1);
        QVERIFY2(c.differences[0].contains(QLatin1String("-3")) &&
                     c.differences[0].contains(QLatin1String("-4")),
                 qPrintable(c.differences[0]));

        c = runAll({{Language::Pascal, "for i := 1 to 3 do a[i] := i * 2"},
                    {Language::Basic, "FOR I = 1 TO 3: A(I) = I * 3: NEXT I"}});
        QCOMPARE(c.differences.size(), 3);
        QVERIFY2(c.differences[0].startsWith(QLatin1String("a[1] is 2")),
                 qPrintable(c.differences[0]));

        c = runAll({{Language::Pascal, "writeln(1); writeln(2)"}, {Language::Basic, "PRINT 1"}});
        QCOMPARE(c.differences.size(), 1);
        QVERIFY(c.differences[0].contains(QLatin1String("prints")));

        c = runAll({{Language::Pascal, "a := 1; b := 2"}, {Language::C, "int a = 1;"}});
        QCOMPARE(c.differences,
                 QStringList{"b is 2 in Pascal (fragment 1) but has no value in C (fragment 2)"});
    }
};

QTEST_APPLESS_MAIN(TestInterpreters)
#include "tst_solver_interpreters.moc"
