// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the program's YAML resources (window layouts, paper content).
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariant>

#include <yaml-cpp/yaml.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace zut {

// The document in a resource or file, or why it could not be read. The
// program embeds its layouts and papers packed by zut-pack (tools/pack): the
// same tree as CBOR after the self-describe tag, D9 D9 F7, which reads back
// many times faster than the YAML text. Anything else is read as YAML.
std::variant<YAML::Node, std::string> loadYaml(const QString& path);

// Whether the resource or file holds a packed tree.
bool isPacked(const QString& path);

// A scalar that is a whole number written in full, such as "-12".
std::optional<int> wholeNumber(const std::string& text);

// A fault in the program's data: a layout, a paper's content, an inventory.
struct DataError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the values of one document of the program's data, each by its
// kind; a fault is thrown as `raise` makes it (a DataError where none is
// given), its message saying where: "<resource>, <place>, field <key>:
// <what>". Layouts, paper content and the tests' inventories all read
// through it.
class DataReader {
public:
    using Raise = void (*)(const std::string& message);
    explicit DataReader(std::string resource, Raise raise = nullptr)
        : resource_(std::move(resource))
        , raise_(raise) {}
    virtual ~DataReader() = default;
    DataReader(const DataReader&) = delete;
    DataReader& operator=(const DataReader&) = delete;

    // Where the reader is inside the document ("task А3", "control b1"),
    // named in every fault until the next place; empty: the whole document.
    void place(std::string where) { place_ = std::move(where); }

    [[noreturn]] void fail(const std::string& what) const;
    [[noreturn]] void failAt(const std::string& key, const std::string& what) const;

    // Fails on a key of `n` that is not among `keys`.
    void allowOnly(const YAML::Node& n, const std::set<std::string>& keys) const;

    // The value under `key`, `n`, as one kind.
    std::string scalar(const YAML::Node& n, const std::string& key) const;
    QString text(const YAML::Node& n, const std::string& key) const;
    int integer(const YAML::Node& n, const std::string& key) const;
    bool flag(const YAML::Node& n, const std::string& key) const;
    // A list of whole numbers, `count` of them where it is not 0.
    std::vector<int> numbers(const YAML::Node& n, const std::string& key, size_t count = 0) const;
    QPoint point(const YAML::Node& n, const std::string& key) const;
    QSize size(const YAML::Node& n, const std::string& key) const; // both sides positive
    // One of `names`, as written.
    std::string oneOf(const YAML::Node& n, const std::string& key,
                      const std::vector<std::string>& names) const;

    // A tree as plain data: maps, lists and strings.
    static QVariant data(const YAML::Node& n);

protected:
    // A scalar as the document means it (a layout gives "$name" its value).
    virtual std::string resolve(const std::string& key, const std::string& value) const {
        (void)key;
        return value;
    }

private:
    [[noreturn]] void raise(const std::string& message) const;

    std::string resource_;
    std::string place_;
    Raise raise_;
};

} // namespace zut
