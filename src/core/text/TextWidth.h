#pragma once
// How wide a text will be drawn, estimated from its characters and scale. The game offers
// no text-centring call any more, so centred text is drawn from x minus half this width.
namespace corvale {

// Width as a fraction of the screen width of the widest line of text (lines end at "\n")
// drawn at the given horizontal scale. Mark-up is not understood: pass the plain text.
float EstimateTextWidth(const char* text, float scale);

// The x at which to draw text so that it is centred on x.
float CentredTextX(const char* text, float x, float scale);

} // namespace corvale
