#ifndef MOLLIBEK_CORE_FRAME_H
#define MOLLIBEK_CORE_FRAME_H

// The toolkit's display callback: one frame.
void display();

#endif
