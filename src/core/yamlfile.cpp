// SPDX-License-Identifier: GPL-3.0-or-later
#include "yamlfile.h"

#include <QByteArray>
#include <QCborStreamReader>
#include <QFile>

#include <stdexcept>

namespace zut {

namespace {

// A packed tree nests no deeper than this; deeper data is not ours.
constexpr int deepest = 256;

struct PackedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Rebuilds the YAML tree from its packed form, streaming: each node is made
// in place in its parent (the parent's own memory), as YAML::Load makes it.
class PackedReader {
public:
    explicit PackedReader(const QByteArray& data)
        : data_(data)
        , in_(data) {}

    YAML::Node read() {
        if (!in_.isTag() || in_.toTag() != QCborKnownTags::Signature)
            fail("it does not start with the self-describe tag");
        in_.next();
        YAML::Node root;
        node(root, 0);
        if (in_.currentOffset() != data_.size())
            fail("data follows the document");
        return root;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        throw PackedError(why + " (at byte " + std::to_string(in_.currentOffset()) + ")");
    }

    // Why the stream holds no `expected` here.
    [[noreturn]] void failHere(const std::string& expected) {
        if (in_.lastError() != QCborError::NoError)
            fail(in_.lastError().toString().toStdString());
        switch (in_.type()) {
        case QCborStreamReader::Invalid:
            fail("the data ends early");
        case QCborStreamReader::ByteArray:
            fail(expected + " expected, found a byte string");
        case QCborStreamReader::Tag:
            fail(expected + " expected, found a tag");
        case QCborStreamReader::Array:
            fail(expected + " expected, found a list");
        case QCborStreamReader::Map:
            fail(expected + " expected, found a map");
        default:
            fail(expected + " expected, found a number or a simple value");
        }
    }

    std::string text() {
        if (!in_.isString())
            failHere("text");
        std::string s;
        QCborStreamReader::StringResult<qsizetype> chunk;
        do {
            const qsizetype size = in_.currentStringChunkSize();
            // Neither an error nor a length the data cannot hold reaches resize.
            if (size < 0)
                failHere("text");
            if (size > data_.size() - in_.currentOffset())
                fail("the data ends early");
            const size_t old = s.size();
            s.resize(old + static_cast<size_t>(size));
            chunk = in_.readStringChunk(s.data() + old, size);
            if (chunk.status == QCborStreamReader::Error)
                failHere("text");
            s.resize(old + static_cast<size_t>(chunk.data));
        } while (chunk.status == QCborStreamReader::Ok);
        return s;
    }

    void node(YAML::Node& n, int depth) {
        if (depth > deepest)
            fail("nested deeper than " + std::to_string(deepest) + " levels");
        if (in_.isString()) {
            n = text();
        } else if (in_.isNull()) {
            n = YAML::Null;
            in_.next();
        } else if (in_.isArray()) {
            in_.enterContainer();
            if (!in_.hasNext())
                n = YAML::Node(YAML::NodeType::Sequence);
            // Indexing one past the end appends a node in the list's memory.
            for (size_t i = 0; in_.hasNext(); ++i) {
                YAML::Node item = n[i];
                node(item, depth + 1);
            }
            leave();
        } else if (in_.isMap()) {
            in_.enterContainer();
            if (!in_.hasNext())
                n = YAML::Node(YAML::NodeType::Map);
            // Maps are small (a dozen keys at most): the look-up in n[key]
            // costs less than the text it finds.
            for (size_t count = 1; in_.hasNext(); ++count) {
                const std::string key = text();
                YAML::Node value = n[key];
                node(value, depth + 1);
                if (n.size() != count)
                    fail("the key \"" + key + "\" is given twice");
            }
            leave();
        } else {
            failHere("text, null, a list or a map");
        }
    }

    void leave() {
        if (in_.lastError() != QCborError::NoError || !in_.leaveContainer())
            failHere("the end of a list or map");
    }

    const QByteArray& data_;
    QCborStreamReader in_;
};

bool isPacked(const QByteArray& data) {
    return data.startsWith(QByteArrayView("\xD9\xD9\xF7", 3));
}

} // namespace

bool isPacked(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && isPacked(file.peek(3));
}

std::variant<YAML::Node, std::string> loadYaml(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::string("the resource is missing");
    const QByteArray data = file.readAll();
    if (isPacked(data)) {
        try {
            return PackedReader(data).read();
        } catch (const PackedError& e) {
            return std::string("not a valid packed resource: ") + e.what();
        }
    }
    try {
        return YAML::Load(data.toStdString());
    } catch (const YAML::Exception& e) {
        return std::string("not valid YAML: ") + e.what();
    }
}

std::optional<int> wholeNumber(const std::string& text) {
    try {
        size_t used = 0;
        const int i = std::stoi(text, &used);
        if (used == text.size())
            return i;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace zut
