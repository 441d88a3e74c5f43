// The message box and the feed: help texts, toasts, cash and transaction entries.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/HudArgs.h"

namespace sim {

namespace {

// Argument blocks are caller-owned 8-byte slots.
const uint64_t* Block(Simulator& sim, const NativeArgs& a, size_t n, const char* what) {
    const uint64_t* block = a.p<const uint64_t>(n);
    if (!block) sim.fault(std::string(what) + " with a null argument block");
    return block;
}

int32_t SlotInt(const uint64_t* block, size_t n) {
    return static_cast<int32_t>(static_cast<uint32_t>(block[n]));
}

std::string SlotString(const uint64_t* block, size_t n) {
    const char* s = reinterpret_cast<const char*>(block[n]);
    return s ? s : "";
}

// The text of a slot that must hold a text handle.
std::string SlotText(Simulator& sim, const uint64_t* block, size_t n, const char* what) {
    const std::string* text = sim.world().texts.resolve(block[n]);
    if (!text) {
        sim.fault(std::string(what) + ": slot " + std::to_string(n) + " holds no text handle");
        return "";
    }
    return *text;
}

// Every feed post takes a display block (duration, sound) and a content block (texts, icon)
// and answers the post's id, here its place in the list it joins. post fills that list.
template <class Post> void PostToFeed(Call& c, const char* what, Post post) {
    const uint64_t* display = Block(c.sim, c.a, 0, what);
    const uint64_t* content = Block(c.sim, c.a, 1, what);
    if (!display || !content) return;
    c.r.setInt(static_cast<int32_t>(post(c.sim, c.w, display, content)));
}

size_t PostHelpText(Simulator& sim, World& w, const uint64_t* display, const uint64_t* content) {
    HelpText h{SlotText(sim, content, 1, "help text"), SlotInt(display, 0), w.frame};
    sim.trace("help: " + h.text + " (" + std::to_string(h.durationMs) + " ms)");
    w.screen.helpTexts.push_back(std::move(h));
    return w.screen.helpTexts.size();
}

size_t PostToast(Simulator& sim, World& w, const uint64_t* display, const uint64_t* content) {
    Toast t;
    t.title = SlotText(sim, content, 1, "toast title");
    t.body = SlotText(sim, content, 2, "toast body");
    t.dictionary = HashName(w, static_cast<uint32_t>(content[4]));
    t.texture = HashName(w, static_cast<uint32_t>(content[5]));
    t.durationMs = SlotInt(display, 0);
    t.frame = w.frame;
    sim.trace("toast: " + t.title + " / " + t.body + " [" + t.dictionary + " " + t.texture + "]");
    w.screen.toasts.push_back(std::move(t));
    return w.screen.toasts.size();
}

// Transactions carry a sound set in the display block; cash entries do not.
size_t PostSideToast(Simulator& sim, World& w, const uint64_t* display, const uint64_t* content) {
    FeedEntry e;
    e.kind = display[1] ? FeedEntry::Kind::Transaction : FeedEntry::Kind::Cash;
    e.text = SlotText(sim, content, 1, "feed entry");
    e.dictionary = SlotString(content, 2);
    e.icon = static_cast<uint32_t>(content[3]);
    e.colour = static_cast<uint32_t>(content[5]);
    e.durationMs = SlotInt(display, 0);
    e.frame = w.frame;
    if (e.kind == FeedEntry::Kind::Transaction) {
        e.soundSet = SlotString(display, 1);
        e.sound = SlotString(display, 2);
    } else if (SlotText(sim, content, 8, "cash feed entry") != e.text) {
        sim.fault("cash feed entry: slots 1 and 8 hold different texts");
    }
    sim.trace(std::string("feed: ") + (e.kind == FeedEntry::Kind::Cash ? "cash " : "transaction ") +
              e.text + " colour " + HashName(w, e.colour) +
              (e.sound.empty() ? "" : " sound " + e.sound));
    w.screen.feed.push_back(std::move(e));
    return w.screen.feed.size();
}

} // namespace

void RegisterFeedNatives(NativeTable& t) {
    t.add(0xfa233f8fe190514c, "_UILOG_SET_CACHED_OBJECTIVE", "const char*", [](Call& c) {
        const std::string* text = HandleText(c.sim, c.a, 0, "message");
        c.w.screen.cachedMessage = text ? *text : "";
    });
    t.add(0xe9990552dec71600, "_UILOG_PRINT_CACHED_OBJECTIVE", "", [](Call& c) {
        World& w = c.w;
        w.messages.push_back(w.screen.cachedMessage);
        w.screen.messageFrame = w.frame;
    });
    t.add(0xdff0d417277b41f8, "_UILOG_CLEAR_CACHED_OBJECTIVE", "",
          [](Call& c) { c.w.screen.cachedMessage.clear(); });
    t.add(0x049d5c615bd38bad, "_UI_FEED_POST_HELP_TEXT", "Any*,Any*,BOOL",
          [](Call& c) { PostToFeed(c, "help text", PostHelpText); });
    t.add(0x26e87218390e6729, "_UI_FEED_POST_SAMPLE_TOAST", "Any*,Any*,BOOL,BOOL",
          [](Call& c) { PostToFeed(c, "toast", PostToast); });
    t.add(0xb249ebcb30dd88e0, "_UI_FEED_POST_SAMPLE_TOAST_RIGHT", "Any*,Any*,BOOL",
          [](Call& c) { PostToFeed(c, "feed entry", PostSideToast); });
}

} // namespace sim
