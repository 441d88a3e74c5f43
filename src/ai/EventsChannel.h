#pragma once
// A channel through which others can follow what an actor does: listeners subscribe, and
// every published event reaches each of them in turn.
#include <set>

namespace corvale {

template <class Event> class EventsListener {
  public:
    virtual ~EventsListener() = default;
    virtual void onEvent(Event& event) = 0;
};

template <class Event> class EventsChannel {
  public:
    using Listener = EventsListener<Event>;

    // A listener must unsubscribe before it goes.
    void subscribe(Listener& listener) { listeners_.insert(&listener); }
    void unsubscribe(Listener& listener) { listeners_.erase(&listener); }

  protected:
    EventsChannel() = default;
    ~EventsChannel() = default;

    void publish(Event& event) {
        for (Listener* listener : listeners_)
            listener->onEvent(event);
    }

  private:
    std::set<Listener*> listeners_;
};

} // namespace corvale
