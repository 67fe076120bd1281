#include "content.h"

#include <QFile>

#include <yaml-cpp/yaml.h>

#include <set>

namespace zut {

const std::vector<QString>& taskIds() {
    static const std::vector<QString> ids = [] {
        std::vector<QString> v;
        for (int n = 1; n <= 20; ++n)
            v.push_back(QStringLiteral("А%1").arg(n)); // Cyrillic А
        for (int n = 1; n <= 8; ++n)
            v.push_back(QStringLiteral("B%1").arg(n)); // Latin B
        for (int n = 1; n <= 4; ++n)
            v.push_back(QStringLiteral("С%1").arg(n)); // Cyrillic С
        return v;
    }();
    return ids;
}

namespace {

class Reader {
public:
    explicit Reader(const QString& resource)
        : resource_(resource.toStdString()) {}

    [[noreturn]] void fail(const std::string& what) const {
        std::string where = resource_;
        if (!task_.empty())
            where += ", task " + task_;
        if (!field_.empty())
            where += ", field " + field_;
        throw ContentError(where + ": " + what);
    }
    void task(const std::string& t) { task_ = t; }
    void field(const std::string& f) { field_ = f; }

    void allowOnly(const YAML::Node& n, const std::set<std::string>& keys) {
        for (const auto& kv : n)
            if (!keys.contains(kv.first.Scalar())) {
                field(kv.first.Scalar());
                fail("unknown field");
            }
    }
    QPoint point(const YAML::Node& n) {
        if (!n.IsSequence() || n.size() != 2)
            fail("must be a list of two numbers");
        try {
            return {n[0].as<int>(), n[1].as<int>()};
        } catch (const YAML::Exception&) {
            fail("must be a list of two numbers");
        }
    }

private:
    std::string resource_;
    std::string task_;
    std::string field_;
};

} // namespace

PaperContent readContent(const QString& resource) {
    Reader r(resource);
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        r.fail("the content resource is missing");
    YAML::Node root;
    try {
        root = YAML::Load(file.readAll().toStdString());
    } catch (const YAML::Exception& e) {
        r.fail(std::string("not valid YAML: ") + e.what());
    }
    if (!root.IsMap())
        r.fail("a paper's content is a mapping");
    r.allowOnly(root, {"paper", "tasks"});
    if (!root["paper"] || !root["tasks"] || !root["tasks"].IsSequence())
        r.fail("a paper's content names the paper and lists its tasks");

    PaperContent content;
    content.paper = QString::fromStdString(root["paper"].Scalar());
    const auto& ids = taskIds();
    if (root["tasks"].size() != ids.size())
        r.fail("a paper has " + std::to_string(ids.size()) + " tasks, not " +
               std::to_string(root["tasks"].size()));
    for (size_t i = 0; i < ids.size(); ++i) {
        const YAML::Node t = root["tasks"][i];
        if (!t.IsMap() || !t["task"])
            r.fail("task " + std::to_string(i + 1) + " has no name");
        TaskContent task{QString::fromStdString(t["task"].Scalar()), {}};
        r.task(task.id.toStdString());
        if (task.id != ids[i])
            r.fail("stands where " + ids[i].toStdString() + " belongs");
        r.allowOnly(t, {"task", "verdict"});
        if (t["verdict"]) {
            r.field("verdict");
            if (i >= 28)
                r.fail("a Part 3 task has no verdict");
            task.verdictOffset = r.point(t["verdict"]);
            r.field("");
        }
        content.tasks.push_back(task);
        r.task("");
    }
    return content;
}

} // namespace zut
