#include "shell/TemplateState.h"

#include "common/RegStore.h"
#include "shell/CanvasArea.h"
#include "shell/EditHistory.h"
#include "shell/MainWindow.h"
#include "shell/RecoveryCopy.h"
#include "shell/panels/PropertyPanels.h"

#include <QCoreApplication>

TemplateState captureTemplate(MainWindow& window) {
    MessageTemplate& message = window.messageTemplate();
    TemplateState state;
    for (const FieldElement* e : message.elements()) state.elements.push_back(snapshotOf(message, *e));
    state.nextControlNo = message.NextControlNo();
    if (const FieldElement* s = message.selectedElement()) state.selected = s->number();
    const AppSettings& settings = window.settings();
    state.attributes = {settings.width, window.canvasArea()->canvasHeight(), settings.moBan, settings.resolution};
    state.origin = window.recoveryCopy()->origin();
    return state;
}

void applyTemplateAttributes(MainWindow& window, const TemplateAttributes& a) {
    AppSettings& s = window.settings();
    s.width = a.width;
    s.moBan = a.moBan;
    s.resolution = a.resolution;
    window.canvasArea()->setCanvasSize(a.width, a.height);
    window.store().write(QStringLiteral("Width"), QString::number(a.width));
    window.store().write(QStringLiteral("MoBan"), QString::number(a.moBan));
    window.store().write(QStringLiteral("Zoom"), a.resolution);
}

void restoreTemplate(MainWindow& window, const TemplateState& state) {
    MessageTemplate& message = window.messageTemplate();
    message.select(nullptr);
    for (const FieldElement* e : message.elements()) {
        const int number = e->number();
        message.remove(number);
    }
    for (const ElementSnapshot& s : state.elements) restoreSnapshot(message, s);
    message.SetNextControlNo(state.nextControlNo);
    const TemplateAttributes& a = state.attributes;
    const AppSettings& now = window.settings();
    if (a.width != now.width || a.height != window.canvasArea()->canvasHeight() || a.moBan != now.moBan ||
        a.resolution != now.resolution)
        applyTemplateAttributes(window, a);
    window.recoveryCopy()->setOrigin(state.origin);
    FieldElement* selected = state.selected ? message.find(*state.selected) : nullptr;
    message.select(selected);
    if (selected) window.editHistory()->showElement(*selected);
    else window.propertyPanels()->showMain();
    window.refreshSummary();
}

void replaceTemplateAsStep(MainWindow& window, const QString& text, const std::function<bool()>& change) {
    auto before = std::make_shared<TemplateState>(captureTemplate(window));
    if (!change()) return;
    auto after = std::make_shared<TemplateState>(captureTemplate(window));
    window.editHistory()->recordCommand(
        text, [&window, before] { restoreTemplate(window, *before); },
        [&window, after] { restoreTemplate(window, *after); });
}

void restackSelected(MainWindow& window, StackEnd end) {
    FieldElement* selected = window.messageTemplate().selectedElement();
    if (!selected) return;
    const QString text = end == StackEnd::Front ? QCoreApplication::translate("TemplateCommands", "置于顶层")
                                                : QCoreApplication::translate("TemplateCommands", "置于底层");
    replaceTemplateAsStep(window, text, [&] {
        FieldElement* moved = moveToStackEnd(window.messageTemplate(), *selected, end);
        if (moved) window.editHistory()->showElement(*moved);
        return moved != nullptr;
    });
}
