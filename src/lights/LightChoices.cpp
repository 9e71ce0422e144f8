#include "lights/LightChoices.h"

#include "lights/DrawLight.h"

const std::array<LightColourChoice, 8> LightColourChoices = {{
    {"Red", 255},
    {"Green", 65280},
    {"Yellow", 65535},
    {"Blue", 16711680},
    {"Magenta", 16711935},
    {"Cyan", 16776960},
    {"White", 16777215},
    {"Yellow Flash", FlashMarker},
}};

const std::array<const char *, 2> LightSizeTexts = {"Large", "Small"};
const std::array<const char *, 5> LightDirectionTexts = {"Still", "Up", "Right", "Down", "Left"};

int LightRadius(int sizePosition) { return sizePosition == 0 ? 100 : 40; }

namespace {
template <class List, class TextOf>
int positionIn(const List &list, const QString &text, TextOf textOf)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (text == QLatin1String(textOf(list[i])))
            return static_cast<int>(i);
    return -1;
}
} // namespace

int LightColourPosition(const QString &text)
{
    return positionIn(LightColourChoices, text, [](const LightColourChoice &c) { return c.text; });
}

int LightSizePosition(const QString &text)
{
    return positionIn(LightSizeTexts, text, [](const char *t) { return t; });
}

int LightDirectionPosition(const QString &text)
{
    return positionIn(LightDirectionTexts, text, [](const char *t) { return t; });
}
