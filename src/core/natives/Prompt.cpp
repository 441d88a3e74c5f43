#include "core/natives/Prompt.h"

#include "core/natives/Strings.h"

namespace corvale {

namespace {
constexpr uint64_t kRegisterBegin = 0x04f97de45a519419;
constexpr uint64_t kSetControlAction = 0xb5352b7494a08258;
constexpr uint64_t kSetText = 0x5dd02a8318420dd7;
constexpr uint64_t kSetGroup = 0x2f11d3a254169ea4;
constexpr uint64_t kSetStandardMode = 0xcc6656799977741b;
constexpr uint64_t kSetHoldMode = 0x94073d5ca3f16b7b;
constexpr uint64_t kSetMashManualMode = 0x32df729d8bd3c1c6;
constexpr uint64_t kSetStandardizedHoldMode = 0x74c7d7b72ed0d3cf;
constexpr uint64_t kSetAttribute = 0x560e76d5e2e1803f;
constexpr uint64_t kRegisterEnd = 0xf7aa2696a22ad8b9;
constexpr uint64_t kSetEnabled = 0x8a0fb4d03a630d21;
constexpr uint64_t kSetVisible = 0x71215accfde075ee;
constexpr uint64_t kGetGroupIdForTargetEntity = 0xb796970bd125fce8;
constexpr uint64_t kDelete = 0x00ede88d4d13cf59;
constexpr uint64_t kHasStandardModeCompleted = 0xc92ac953f0a982ae;
constexpr uint64_t kHasHoldModeCompleted = 0xe0f65f0640ef0617;
constexpr uint64_t kHasMashModeCompleted = 0x845ce958416dc473;

constexpr int32_t kAttribute18 = 18;
} // namespace

Prompt::Prompt(const char* text, Hash control, int32_t kind)
    : text_(text), control_(control), kind_(kind) {
    handle_ = Invoke<int32_t>(kRegisterBegin);
    Invoke<int32_t>(kSetControlAction, handle_, control);
    Invoke(kSetText, handle_, native::Raw64{TextLiteral(text)});
    Invoke(kSetGroup, handle_, 0, 0);
    switch (kind) {
    case 0:
        Invoke(kSetStandardMode, handle_, true);
        break;
    case 1:
    case 2:
        Invoke(kSetHoldMode, handle_, 1);
        break;
    case 4:
        Invoke(kSetMashManualMode, handle_, 1.0f, 0.0f, 0.0f, 0);
        break;
    case 3:
    case 5:
        Invoke(kSetStandardizedHoldMode, handle_, Hash{1});
        break;
    default:
        break;
    }
    Invoke(kSetAttribute, handle_, kAttribute18, true);
    Invoke(kRegisterEnd, handle_);
    apply();
}

void Prompt::apply() {
    Invoke(kSetEnabled, handle_, visible_ && enabled_);
    Invoke(kSetVisible, handle_, visible_);
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

void Prompt::setGroup(int32_t group) {
    group_ = group;
    Invoke(kSetGroup, handle_, group, 0);
}

void Prompt::setGroupFrom(Entity source) {
    group_ = source;
    if (source == 0) {
        Invoke(kSetGroup, handle_, 0, 0);
        return;
    }
    group_ = Invoke<int32_t>(kGetGroupIdForTargetEntity, source);
    if (group_ != 0) Invoke(kSetGroup, handle_, group_, 0);
}

void Prompt::remove() {
    Invoke(kDelete, handle_);
}

// The game reads only the prompt for the hold and mash queries.
bool Prompt::completed() {
    if (!enabled_ || !visible_) return false;
    switch (kind_) {
    case 0:
        return Invoke<bool>(kHasStandardModeCompleted, handle_, 0);
    case 1:
        return Invoke<bool>(kHasHoldModeCompleted, handle_);
    case 4:
        return Invoke<bool>(kHasMashModeCompleted, handle_);
    case 2:
    case 3:
    case 5:
        if (Invoke<bool>(kHasHoldModeCompleted, handle_)) {
            // Still held after completing: report the hold once, not every frame.
            if (holdLatch_) return false;
            holdLatch_ = true;
            return true;
        }
        holdLatch_ = false;
        return Invoke<bool>(kHasMashModeCompleted, handle_);
    default:
        return false;
    }
}

} // namespace corvale
