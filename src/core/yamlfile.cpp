// SPDX-License-Identifier: GPL-3.0-or-later
#include "yamlfile.h"

#include <QByteArray>
#include <QCborStreamReader>
#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <utility>

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
                // Checked before the value is read: a second value would be
                // read into the first one's node, and YAML::Node::operator[]
                // throws its own exception where a list meets text.
                if (std::as_const(n)[key])
                    fail("the key \"" + key + "\" is given twice");
                YAML::Node value = n[key];
                node(value, depth + 1);
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

void DataReader::fail(const std::string& what) const {
    raise(resource_ + (place_.empty() ? std::string() : ", " + place_) + ": " + what);
}

void DataReader::failAt(const std::string& key, const std::string& what) const {
    raise(resource_ + (place_.empty() ? std::string() : ", " + place_) + ", field " + key + ": " +
          what);
}

void DataReader::raise(const std::string& message) const {
    if (raise_)
        raise_(message);
    throw DataError(message);
}

void DataReader::allowOnly(const YAML::Node& n, const std::set<std::string>& keys) const {
    for (const auto& kv : n)
        if (!keys.contains(kv.first.Scalar()))
            failAt(kv.first.Scalar(), "unknown field");
}

std::string DataReader::scalar(const YAML::Node& n, const std::string& key) const {
    if (!n.IsScalar())
        failAt(key, "must be a single value");
    return resolve(key, n.Scalar());
}

QString DataReader::text(const YAML::Node& n, const std::string& key) const {
    return QString::fromStdString(scalar(n, key));
}

int DataReader::integer(const YAML::Node& n, const std::string& key) const {
    const std::string v = scalar(n, key);
    if (const auto i = wholeNumber(v))
        return *i;
    failAt(key, "must be a whole number, not \"" + v + "\"");
}

bool DataReader::flag(const YAML::Node& n, const std::string& key) const {
    return oneOf(n, key, {"true", "false"}) == "true";
}

std::vector<int> DataReader::numbers(const YAML::Node& n, const std::string& key,
                                     size_t count) const {
    if (!n.IsSequence() || (count && n.size() != count))
        failAt(key, count ? "must be a list of " + std::to_string(count) + " numbers"
                          : std::string("must be a list of numbers"));
    std::vector<int> v;
    for (const auto& e : n)
        v.push_back(integer(e, key));
    return v;
}

QPoint DataReader::point(const YAML::Node& n, const std::string& key) const {
    if (!n.IsSequence() || n.size() != 2)
        failAt(key, "must be a list of two numbers");
    const auto v = numbers(n, key);
    return {v[0], v[1]};
}

QSize DataReader::size(const YAML::Node& n, const std::string& key) const {
    const QPoint p = point(n, key);
    if (p.x() <= 0 || p.y() <= 0)
        failAt(key, "must be a positive size");
    return {p.x(), p.y()};
}

std::string DataReader::oneOf(const YAML::Node& n, const std::string& key,
                              const std::vector<std::string>& names) const {
    const std::string v = scalar(n, key);
    if (std::find(names.begin(), names.end(), v) != names.end())
        return v;
    std::string all;
    for (size_t i = 0; i < names.size(); ++i)
        all += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    failAt(key, "must be " + all);
}

QVariant DataReader::data(const YAML::Node& n) {
    if (n.IsMap()) {
        QVariantMap m;
        for (const auto& kv : n)
            m.insert(QString::fromStdString(kv.first.Scalar()), data(kv.second));
        return m;
    }
    if (n.IsSequence()) {
        QVariantList l;
        for (const auto& e : n)
            l.append(data(e));
        return l;
    }
    return n.IsScalar() ? QVariant(QString::fromStdString(n.Scalar())) : QVariant();
}

} // namespace zut
