#include "yamlfile.h"

#include <QFile>

namespace zut {

std::variant<YAML::Node, std::string> loadYaml(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::string("the resource is missing");
    try {
        return YAML::Load(file.readAll().toStdString());
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
