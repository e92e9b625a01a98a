#pragma once

// The About box's text in the rich-label tag language: the product's name
// and version, a decorative rule of underscores, and a gap before the loop.
extern const char kAboutText[];
