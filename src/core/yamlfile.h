// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the program's YAML resources (window layouts, paper content).
#pragma once

#include <QString>

#include <yaml-cpp/yaml.h>

#include <optional>
#include <string>
#include <variant>

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

} // namespace zut
