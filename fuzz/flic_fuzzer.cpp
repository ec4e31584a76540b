// Feeds arbitrary bytes to the FLIC decoder the way the player uses it: open, play every frame
// in order, jump around (backward too, so the checkpoints are restored), and show a picture.
#include "media/flic/FlicDecoder.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FlicDecoder decoder;
    if (!decoder.openData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    const int frames = decoder.frameCount();
    for (int frame = 0; frame < frames; ++frame)
        decoder.seekFrame(frame);
    decoder.toImage();

    const int jumps[] = {frames / 2, 1, frames - 2, frames / 3, 0, frames + 5, -1};
    for (int frame : jumps)
        decoder.seekFrame(frame);
    decoder.seekFrame(decoder.frameAtMs(decoder.lengthMs() / 2));
    decoder.seekFrame(decoder.frameAtMs(decoder.frameStartMs(frames - 1)));
    decoder.toImage();
    return 0;
}
