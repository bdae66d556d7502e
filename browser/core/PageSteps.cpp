#include "PageSteps.h"

#include "BrowserComponent.h"

namespace page_steps {

namespace {

// The menu entries for back and forward share the access key P, reached by
// pressing it again, and the back button is spelt with one accent; both
// kept: users rely on these captions. The keys are those of the component
// this browser was built around; they belong to the window, so the menu
// captions do not show them.
constexpr PageStep steps[] = {
    {Step::Back, "smnu_precedente", "&Page précédente", "Command7", "Précedente", "Page précédente",
     Qt::ALT | Qt::Key_Left, [](BrowserComponent& view) { view.goBack(); }},
    {Step::Forward, "smnu_suivante", "&Page suivante", "Command6", "Suivante", "Page suivante", Qt::ALT | Qt::Key_Right,
     [](BrowserComponent& view) { view.goForward(); }},
    {Step::Refresh, "smnu_actualiser", "&Actualiser", "Command4", "Actualiser", "Actualiser",
     QKeyCombination(Qt::Key_F5), [](BrowserComponent& view) { view.refresh(); }},
    {Step::Stop, "smnu_stopper", "S&topper", "Command5", "Stopper", nullptr, QKeyCombination(Qt::Key_Escape),
     [](BrowserComponent& view) { view.stop(); }},
};

static_assert(steps[0].step == Step::Back && steps[1].step == Step::Forward && steps[2].step == Step::Refresh &&
              steps[3].step == Step::Stop);

}  // namespace

std::span<const PageStep> all()
{
    return steps;
}

const PageStep& of(Step step)
{
    return steps[static_cast<int>(step)];
}

}  // namespace page_steps
