// The -fps overlay: the frame rate in bitmap text, drawn by the host after
// the saver's frame and before the swap.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>

class x11_fps_overlay {
public:
    // Needs the GL context current. Without a font it draws nothing.
    explicit x11_fps_overlay(Display* display);
    ~x11_fps_overlay();
    x11_fps_overlay(const x11_fps_overlay&) = delete;
    x11_fps_overlay& operator=(const x11_fps_overlay&) = delete;

    // Counts a frame that ended at `now_ns`; the rate shown is refreshed
    // about once a second.
    void count_frame(std::int64_t now_ns);

    // Draws the text in the lower left corner of a width x height drawable and
    // leaves every piece of GL state it touches as it was.
    void draw(int width, int height) const;

    const std::string& text() const { return text_; }

private:
    Display* display_;
    XFontStruct* font_;
    unsigned list_base_ = 0;
    std::int64_t since_ns_ = -1;
    int frames_ = 0;
    std::string text_ = "FPS: --";
};
