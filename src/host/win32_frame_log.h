// A test hook: with QUILLMERE_LOG set to a file name, the saver appends a line
// per frame from the third on (the first that shows the pattern):
//   frame 3 size WxH lit N
//   frame 4
//   ...
// N counts the back buffer's pixels with any colour, read with glReadPixels
// before the swap; tests use it where a screenshot cannot see GL drawing (a
// preview child under Wine), and the later lines show that the saver is still
// taking messages. Without the variable it does nothing.
#pragma once

// At creation, with the context current: remembers the client size (pixels).
void frame_log_start(int width, int height);

// After each frame, before the swap.
void frame_log_tick();
