#pragma once
// How wide a text will be drawn, estimated from its characters and scale. The game build
// offers no text-centring native, so both plug-ins centre text themselves by this width.
namespace corvale {

// Width, as a fraction of the screen width, of the widest line of text (lines end at "\n")
// drawn at horizontal scale scaleX. Mark-up is not understood: pass the plain text.
float EstimateTextWidth(const char* text, float scaleX);

// The x at which to draw text at scaleX so that it is centred on x.
float CentredTextX(const char* text, float x, float scaleX);

} // namespace corvale
