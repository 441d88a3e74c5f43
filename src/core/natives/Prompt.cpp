#include "core/natives/Prompt.h"

#include "core/natives/PromptSteps.h"
#include "core/natives/Strings.h"

namespace corvale {

namespace {
// Asked of every prompt the game makes itself.
constexpr int32_t kAttribute18 = 18;

void SetMode(PromptHandle prompt, int32_t kind) {
    switch (kind) {
    case 0:
        SetPromptStandardMode(prompt);
        break;
    case 1:
    case 2:
        SetPromptHoldMode(prompt);
        break;
    case 3:
    case 5:
        SetPromptStandardizedHoldMode(prompt);
        break;
    default:
        break;
    }
}
} // namespace

Prompt::Prompt(const char* text, Hash control, int32_t kind) {
    create(text, control, PromptSetup{kind});
}

void Prompt::create(const char* text, Hash control, const PromptSetup& setup) {
    text_ = text;
    control_ = control;
    setup_ = setup;
    group_ = setup.group;
    handle_ = BeginPrompt();
    SetPromptControl(handle_, control);
    SetPromptText(handle_, TextLiteral(text));
    if (setup.gameAttributes) SetPromptGroup(handle_, setup.group);
    SetMode(handle_, setup.kind);
    if (!setup.gameAttributes && setup.group != 0) SetPromptGroup(handle_, setup.group);
    if (setup.gameAttributes) SetPromptAttribute(handle_, kAttribute18, true);
    EndPrompt(handle_);
    apply();
}

void Prompt::apply() {
    toldEnabled_ = visible_ && enabled_;
    toldVisible_ = visible_;
    SetPromptEnabled(handle_, toldEnabled_);
    SetPromptVisible(handle_, toldVisible_);
}

void Prompt::want(bool enabled, bool visible) {
    enabled_ = enabled;
    visible_ = visible;
}

void Prompt::commit() {
    if (toldEnabled_ == (visible_ && enabled_) && toldVisible_ == visible_) return;
    apply();
}

void Prompt::offer(bool enabled) {
    want(enabled, true);
    commit();
}

void Prompt::withdraw() {
    want(enabled_, false);
    commit();
}

void Prompt::show() {
    visible_ = true;
    apply();
}

void Prompt::hide() {
    visible_ = false;
    apply();
}

void Prompt::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void Prompt::set(bool enabled, bool visible) {
    enabled_ = enabled;
    visible_ = visible;
    apply();
}

void Prompt::setGroup(int32_t group) {
    group_ = group;
    SetPromptGroup(handle_, group);
}

void Prompt::setGroupFrom(Entity source) {
    group_ = source;
    if (source == 0) {
        SetPromptGroup(handle_, 0);
        return;
    }
    group_ = PromptGroupOfEntity(source);
    if (group_ != 0) SetPromptGroup(handle_, group_);
}

void Prompt::remove() {
    DeletePrompt(handle_);
}

bool Prompt::completed() {
    if (!enabled_ || !visible_) return false;
    return answer();
}

bool Prompt::answer() {
    switch (setup_.poll) {
    case PromptPoll::HoldCompleted:
        return PromptHoldCompleted(handle_);
    case PromptPoll::JustPressed:
        return PromptJustPressed(handle_);
    case PromptPoll::ByKind:
        break;
    }
    return answerByKind();
}

bool Prompt::answerByKind() {
    switch (setup_.kind) {
    case 0:
        return PromptStandardCompleted(handle_);
    case 1:
        return PromptHoldCompleted(handle_);
    case 2:
    case 3:
    case 5:
        if (PromptHoldCompleted(handle_)) {
            // Still held after completing: report the hold once, not every frame.
            if (holdLatch_) return false;
            holdLatch_ = true;
            return true;
        }
        holdLatch_ = false;
        return PromptMashCompleted(handle_);
    default:
        return false;
    }
}

} // namespace corvale
