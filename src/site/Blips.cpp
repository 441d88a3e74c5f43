#include "site/Blips.h"

#include "core/natives/Strings.h"

namespace corvale {

namespace {
Blip WithSprite(Blip blip, Hash sprite) {
    if (blip != 0 && sprite != 0) SetBlipSprite(blip, sprite);
    return blip;
}
} // namespace

Blip BlipForEntity(Entity entity, Hash style, Hash sprite) {
    if (entity == 0) return 0;
    return WithSprite(AddEntityBlip(style, entity), sprite);
}

Blip BlipAtPoint(const Vector3& point, Hash style, Hash sprite) {
    return WithSprite(AddPointBlip(style, point), sprite);
}

Blip BlipForArea(const Vector3& point, float radius, Hash style, Hash sprite) {
    return WithSprite(AddAreaBlip(style, point, radius), sprite);
}

void RemoveBlip(Blip* blip) {
    if (!blip || *blip == 0) return;
    // A blip that went with its entity is gone already; its handle may come back for
    // another blip, so it is forgotten all the same.
    if (BlipExists(*blip)) DeleteBlip(*blip);
    *blip = 0;
}

void SetBlipName(Blip blip, const char* text) {
    if (blip == 0) return;
    SetBlipLabel(blip, TextLiteral(text ? text : ""));
}

} // namespace corvale
