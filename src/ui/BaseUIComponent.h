#pragma once
// A screen component the owner opens and closes and ticks once per frame; while open it
// draws itself every frame.
namespace corvale {

class BaseUIComponent {
  public:
    BaseUIComponent() = default;
    BaseUIComponent(const BaseUIComponent&) = delete;
    BaseUIComponent& operator=(const BaseUIComponent&) = delete;
    virtual ~BaseUIComponent() = default;

    // Opens a closed component (onOpen); an open one stays as it is.
    virtual void open() {
        if (open_) return;
        open_ = true;
        onOpen();
    }
    // Once per frame: draws while open.
    virtual void tick() {
        if (open_) draw();
    }
    // Closes an open component (onClose); a closed one stays as it is.
    void close() {
        if (!open_) return;
        open_ = false;
        onClose();
    }
    bool isOpen() const { return open_; }

  protected:
    virtual void onOpen() {}  // just opened
    virtual void onClose() {} // just closed
    virtual void draw() = 0;  // this frame's picture

  private:
    bool open_ = false;
};

} // namespace corvale
