#include "paper.h"

#include "shell/layout.h"
#include "shell/windowset.h"
#include "windows/instrykcia.h"
#include "windows/poesnenie.h"
#include "windows/start.h"

#include <QCloseEvent>

namespace zut {

Paper::Paper(const PaperSpec& spec)
    : spec_(spec) {
    buildLayout(*this, ":/layouts/paper.yaml",
                {{"instrClick", [this] { instrClick(); }},
                 {"poesnenClick", [this] { poesnenClick(); }},
                 {"nazadClick", [this] { nazadClick(); }},
                 {"proverkaClick", [this] { proverkaClick(); }}},
                {{"window", spec.reference},
                 {"caption", spec.caption},
                 {"width", std::to_string(spec.clientWidth)},
                 {"height", std::to_string(spec.clientHeight)},
                 {"bottom", std::to_string(spec.bottomBarY)}});
}

void Paper::instrClick() {
    instryk->showModal(this);
}

void Paper::poesnenClick() {
    poesn->showModal(this);
}

void Paper::nazadClick() {
    hideThenShow(this, spec_.backTo());
}

void Paper::proverkaClick() {}

void Paper::closeEvent(QCloseEvent* event) {
    event->accept();
    Tityl->close();
}

} // namespace zut
