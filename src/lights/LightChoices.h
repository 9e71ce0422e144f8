#pragma once

#include <QString>

#include <array>

// What the lights editor offers: colours, sizes and directions of movement.
// The starter pictures are written in the same terms.

struct LightColourChoice {
    const char *text;
    long colour; // blue-green-red; "Yellow Flash" holds the flash marker
};
extern const std::array<LightColourChoice, 8> LightColourChoices;

extern const std::array<const char *, 2> LightSizeTexts;      // "Large", "Small"
extern const std::array<const char *, 5> LightDirectionTexts; // "Still" .. "Left", by LightDirection

// Radius in twips of the size list's entry: 100 for "Large", 40 otherwise.
int LightRadius(int sizePosition);

// Position of a text in one of the lists above, -1 when it is not there.
int LightColourPosition(const QString &text);
int LightSizePosition(const QString &text);
int LightDirectionPosition(const QString &text);
