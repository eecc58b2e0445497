#pragma once
// The texts of the layers without Qt (common/Text.h), in the player's
// language: a template is looked up in the translations loaded, its
// arguments (texts of their own) translated in turn and put in place of
// "%1" to "%9". A template no translation holds reads as its English.

#include "Text.h"

#include <QString>

#include <exception>

QString TranslatedText(const TText& Text);

// An exception's message in the player's language: the template it was
// raised with, or its finished message as it is.
QString MessageOf(const std::exception& Error);

// An exception's message as a text to put inside another message.
TText TextOf(const std::exception& Error);
