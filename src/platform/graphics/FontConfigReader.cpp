#include "platform/graphics/FontConfigReader.h"

#include <fontconfig/fontconfig.h>

// The configuration is process-wide and read once: the text drawn later
// finds it ready.
FontConfigReader::FontConfigReader() : reader([] { FcInit(); }) {}

FontConfigReader::~FontConfigReader() { Wait(); }

void FontConfigReader::Wait()
{
    if (reader.joinable())
        reader.join();
}
