// zut-pack: packs one YAML resource of the program for embedding.
//
//   zut-pack IN.yaml OUT [--content]
//
// Writes the document's tree as CBOR after the self-describe tag (D9 D9 F7):
// a mapping as a map with text keys in the file's order, a sequence as an
// array, every scalar as a text string (the readers interpret scalars
// themselves) and a null as null. zut::loadYaml reads it back into the same
// tree. With --content the file is first read as a paper's content, so that
// a faulty paper fails the build with the reader's own message.
#include "paper/content.h"
#include "paper/yamlfile.h"

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
        if (content)
            zut::readContent(in);
        auto loaded = zut::loadYaml(in);
        if (auto* why = std::get_if<std::string>(&loaded))
            throw PackError(*why);
        const QByteArray packed = pack(std::get<YAML::Node>(loaded));
        QSaveFile out(args[1]);
        if (!out.open(QIODevice::WriteOnly) || out.write(packed) != packed.size() || !out.commit())
            throw std::runtime_error("cannot write " + args[1].toStdString() + ": " +
                                     out.errorString().toStdString());
    } catch (const zut::ContentError& e) {
        std::fprintf(stderr, "zut-pack: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zut-pack: %s: %s\n", qPrintable(in), e.what());
        return 1;
    }
    return 0;
}
