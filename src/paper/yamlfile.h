// Reading the program's YAML resources (window layouts, paper content).
#pragma once

#include <QString>

#include <yaml-cpp/yaml.h>

#include <optional>
#include <string>
#include <variant>

namespace zut {

// The document in a resource or file, or why it could not be read.
std::variant<YAML::Node, std::string> loadYaml(const QString& path);

// A scalar that is a whole number written in full, such as "-12".
std::optional<int> wholeNumber(const std::string& text);

} // namespace zut
