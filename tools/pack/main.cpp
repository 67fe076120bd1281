// SPDX-License-Identifier: GPL-3.0-or-later
// zut-pack: packs one YAML resource of the program for embedding.
//
//   zut-pack IN.yaml OUT [--content]
//
// Writes the document's tree as CBOR after the self-describe tag (D9 D9 F7):
// a mapping as a map with text keys in the file's order, a sequence as an
// array, every scalar as a text string (the readers interpret scalars
// themselves) and a null as null. zut::loadYaml reads it back into the same
// tree. With --content the file is a paper's content: the placeholders of
// its tasks are filled from their givens (core/givens.h), it is read as the
// program reads it, and every task's check is run (taskcheck/taskcheck.h), so
// that a faulty paper fails the build with a message naming the task.
#include "taskcheck/error.h"
#include "taskcheck/taskcheck.h"
#include "core/content.h"
#include "core/givens.h"
#include "core/yamlfile.h"

#include <QCborStreamWriter>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

struct PackError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void writeText(QCborStreamWriter& out, const std::string& s) {
    out.appendTextString(s.data(), static_cast<qsizetype>(s.size()));
}

void write(QCborStreamWriter& out, const YAML::Node& n, const std::string& where) {
    switch (n.Type()) {
    case YAML::NodeType::Null:
    case YAML::NodeType::Undefined:
        out.appendNull();
        return;
    case YAML::NodeType::Scalar:
        writeText(out, n.Scalar());
        return;
    case YAML::NodeType::Sequence: {
        out.startArray(n.size());
        size_t i = 0;
        for (const auto& e : n)
            write(out, e, where + "[" + std::to_string(i++) + "]");
        out.endArray();
        return;
    }
    case YAML::NodeType::Map:
        out.startMap(n.size());
        for (const auto& kv : n) {
            if (!kv.first.IsScalar())
                throw PackError(where + ": a key that is not a single value");
            writeText(out, kv.first.Scalar());
            write(out, kv.second, where + "." + kv.first.Scalar());
        }
        out.endMap();
        return;
    }
}

// Runs the check of every marked task: a Part 1 task's answer must be
// carried by exactly one option. A paper whose tasks carry checks carries
// one for each of its 28 marked tasks.
void checkTasks(const zut::PaperContent& paper, const QString& in) {
    namespace ck = zut::check;
    int checked = 0, marked = 0;
    for (const zut::TaskContent& t : paper.tasks) {
        if (!ck::isMarked(t.id))
            continue;
        ++marked;
        if (t.check.isEmpty())
            continue;
        ++checked;
        const ck::Outcome o = ck::runCheck(t);
        if (!t.id.startsWith('B') && o.carrying.size() != 1)
            throw PackError(QString("%1, task %2: the answer %3 is carried by %4 options")
                                .arg(in, t.id, o.answer)
                                .arg(o.carrying.size())
                                .toStdString());
    }
    if (checked > 0 && checked != marked)
        throw PackError(QString("%1: %2 of its %3 marked tasks have no check")
                            .arg(in)
                            .arg(marked - checked)
                            .arg(marked)
                            .toStdString());
}

QByteArray pack(const YAML::Node& root) {
    QByteArray packed;
    QCborStreamWriter out(&packed);
    out.append(QCborKnownTags::Signature);
    write(out, root, "document");
    return packed;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool content = args.size() == 3 && args[2] == "--content";
    if (args.size() != 2 && !content) {
        std::fprintf(stderr, "usage: zut-pack IN.yaml OUT [--content]\n");
        return 2;
    }
    const QString in = args[0];
    try {
        auto loaded = zut::loadYaml(in);
        if (auto* why = std::get_if<std::string>(&loaded))
            throw PackError(*why);
        const YAML::Node root = std::get<YAML::Node>(loaded);
        if (content) {
            zut::fillGivens(root, in.toStdString());
            checkTasks(zut::readContent(root, in), in);
        }
        const QByteArray packed = pack(root);
        QSaveFile out(args[1]);
        if (!out.open(QIODevice::WriteOnly) || out.write(packed) != packed.size() || !out.commit())
            throw std::runtime_error("cannot write " + args[1].toStdString() + ": " +
                                     out.errorString().toStdString());
    } catch (const zut::ContentError& e) {
        std::fprintf(stderr, "zut-pack: %s\n", e.what());
        return 1;
    } catch (const zut::check::CheckError& e) {
        std::fprintf(stderr, "zut-pack: %s, task %s\n", qPrintable(in), e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zut-pack: %s: %s\n", qPrintable(in), e.what());
        return 1;
    }
    return 0;
}
