// SPDX-License-Identifier: GPL-3.0-or-later
#include "anatomy.h"

#include <stdexcept>

namespace zut {

namespace {

// The number discs. Every number label is bold Times New Roman.
constexpr NumberDisc small{41, {6, 7, 29, 26}, 24};   // А1 … А9, С1
constexpr NumberDisc large{43, {3, 9, 37, 24}, 21};   // А10 … А20: two digits, in a larger disc
constexpr NumberDisc slim{41, {6, 7, 28, 26}, 24};    // B1 … B8: the label a pixel narrower
constexpr NumberDisc shifted{41, {7, 7, 29, 26}, 24}; // С2 … С4: the label a pixel further right

// The answer groups: a two-digit letter label moves the digits and options right.
constexpr GroupLayout narrow{26, 48, {45, 65, 85, 105}}; // А1 … А9
constexpr GroupLayout wide{37, 54, {50, 71, 91, 111}};   // А12 … А20
constexpr GroupLayout nudged{37, 54, {51, 71, 91, 111}}; // А10, А11: the first option a pixel right

struct GroupRow {
    const char* number;
    NumberDisc disc;
    const char* group;
    std::array<const char*, 4> options;
    GroupLayout layout;
    const char* verdict;
    QPoint verdictAt;
    int verdictWidth;
};

struct BoxRow {
    const char* number;
    NumberDisc disc;
    const char* label;
    const char* field;
    int fieldLeft;
    const char* verdict;
    QPoint verdictAt;
    int verdictWidth;
};

struct NumberRow {
    const char* number;
    NumberDisc disc;
};

// One row a task. A verdict label stands at `at` from its answer group's or
// box's corner unless the paper's content places it (TaskContent::verdictOffset).
// clang-format off
constexpr std::array<GroupRow, 20> groupRows{{
//   number  disc   group  options                               layout  verdict    at        width
    {"LA1",  small, "a1",  {"a1_1", "a1_2", "a1_3", "a1_4"},     narrow, "otv_a1",  {8, 46},  112},
    {"LA2",  small, "A2",  {"A2_1", "A2_2", "A2_3", "a2_4"},     narrow, "otv_a2",  {12, 46}, 102},
    {"LA3",  small, "a3",  {"a3_1", "a3_2", "a3_3", "a3_4"},     narrow, "otv_a3",  {8, 46},  106},
    {"LA4",  small, "a4",  {"a4_1", "a4_2", "a4_3", "a4_4"},     narrow, "otv_a4",  {8, 46},  114},
    {"LA5",  small, "a5",  {"a5_1", "a5_2", "a5_3", "a5_4"},     narrow, "otv_a5",  {8, 46},  114},
    {"LA6",  small, "a6",  {"a6_1", "a6_2", "a6_3", "a6_4"},     narrow, "otv_a6",  {8, 46},  114},
    {"LA7",  small, "a7",  {"a7_1", "a7_2", "a7_3", "a7_4"},     narrow, "otv_a7",  {8, 46},  114},
    {"LA8",  small, "a8",  {"a8_1", "a8_2", "a8_3", "a8_4"},     narrow, "otv_a8",  {8, 46},  114},
    {"LA9",  small, "a9",  {"a9_1", "a9_2", "a9_3", "a9_4"},     narrow, "otv_a9",  {8, 46},  114},
    {"LA10", large, "a10", {"a10_1", "a10_2", "a10_3", "a10_4"}, nudged, "otv_a10", {8, 46},  114},
    {"LA11", large, "a11", {"a11_1", "a11_2", "a11_3", "a11_4"}, nudged, "otv_a11", {8, 46},  114},
    {"LA12", large, "a12", {"a12_1", "a12_2", "a12_3", "a12_4"}, wide,   "otv_a12", {8, 46},  114},
    {"LA13", large, "a13", {"a13_1", "a13_2", "a13_3", "a13_4"}, wide,   "otv_a13", {8, 52},  114},
    {"LA14", large, "a14", {"a14_1", "a14_2", "a14_3", "a14_4"}, wide,   "otv_a14", {8, 46},  114},
    {"LA15", large, "a15", {"a15_1", "a15_2", "a15_3", "a15_4"}, wide,   "otv_a15", {8, 46},  114},
    {"LA16", large, "a16", {"a16_1", "a16_2", "a16_3", "a16_4"}, wide,   "otv_a16", {8, 51},  114},
    {"LA17", large, "a17", {"a17_1", "a17_2", "a17_3", "a17_4"}, wide,   "otv_a17", {8, 46},  114},
    {"LA18", large, "a18", {"a18_1", "a18_2", "a18_3", "a18_4"}, wide,   "otv_a18", {8, 46},  114},
    {"LA19", large, "a19", {"a19_1", "a19_2", "a19_3", "a19_4"}, wide,   "otv_a19", {8, 46},  114},
    {"LA20", large, "a20", {"a20_1", "a20_2", "a20_3", "a20_4"}, wide,   "otv_a20", {8, 46},  114},
}};

constexpr std::array<BoxRow, 8> boxRows{{
//   number      disc  label       field     left verdict    at       width
    {"LB1",      slim, "Label112", "otv_b1", 33,  "otv_bb1", {8, 36}, 114},
    {"LB2",      slim, "Label113", "otv_b2", 33,  "otv_bb2", {8, 39}, 114},
    {"LB3",      slim, "Label115", "otv_b3", 37,  "otv_bb3", {8, 39}, 114},
    {"LB4",      slim, "Label117", "otv_b4", 33,  "otv_bb4", {0, 39}, 114},
    {"LB5",      slim, "Label118", "otv_b5", 37,  "otv_bb5", {8, 39}, 114},
    {"Label119", slim, "LB6",      "otv_b6", 33,  "otv_bb6", {8, 49}, 114},
    {"Label120", slim, "Label122", "otv_b7", 37,  "otv_bb7", {8, 46}, 114},
    {"LB8",      slim, "Label126", "otv_b8", 37,  "otv_bb8", {8, 39}, 114},
}};

constexpr std::array<NumberRow, 4> numberRows{{
    {"LC1", small},
    {"LC2", shifted},
    {"LC3", shifted},
    {"LC4", shifted},
}};
// clang-format on

// Where each part's content is laid: left of the answer group or box; a
// С task has neither.
constexpr Column groupColumn{104, 700};
constexpr Column boxColumn{108, 505};
constexpr Column fullColumn{108, 850};

} // namespace

BlockAnatomy blockAnatomy(const QString& id) {
    const auto at = size_t(taskNumber(id) - 1);
    const char16_t part = id.isEmpty() ? 0 : id[0].unicode();
    if (part == u'А') { // Cyrillic
        const GroupRow& r = groupRows.at(at);
        const Verdict verdict{r.verdict, r.verdictAt, r.verdictWidth};
        return {r.number, r.disc, groupColumn, AnswerGroup{r.group, r.options, r.layout, verdict},
                std::nullopt};
    }
    if (part == u'B') { // Latin
        const BoxRow& r = boxRows.at(at);
        const Verdict verdict{r.verdict, r.verdictAt, r.verdictWidth};
        return {r.number, r.disc, boxColumn, std::nullopt,
                AnswerBox{r.label, r.field, r.fieldLeft, verdict}};
    }
    if (part == u'С') { // Cyrillic
        const NumberRow& r = numberRows.at(at);
        return {r.number, r.disc, fullColumn, std::nullopt, std::nullopt};
    }
    throw std::out_of_range("no task " + id.toStdString());
}

int taskNumber(const QString& id) {
    return id.mid(1).toInt();
}

QString optionName(int n, int k) {
    return QString::fromLatin1(groupRows.at(size_t(n - 1)).options.at(size_t(k - 1)));
}

} // namespace zut
