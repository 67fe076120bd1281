// A paper's content: one YAML resource per paper, holding its 32 tasks in
// order. Read and checked when the paper is built; the tests build every
// paper, so a faulty file fails them, never a student's run.
#pragma once

#include <QPoint>
#include <QString>

#include <optional>
#include <stdexcept>
#include <vector>

namespace zut {

struct ContentError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct TaskContent {
    QString id; // as on screen: "А1" … "А20", "B1" … "B8", "С1" … "С4"
    // Where this paper's block puts its verdict label otherwise than the
    // block anatomy does: the offset from the answer group's corner (Part 1)
    // or from the answer field's corner (Part 2).
    std::optional<QPoint> verdictOffset;
};

struct PaperContent {
    QString paper; // the paper's reference name
    std::vector<TaskContent> tasks;
};

// The ids of the 32 tasks, in page order.
const std::vector<QString>& taskIds();

PaperContent readContent(const QString& resource);

} // namespace zut
