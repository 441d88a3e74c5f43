// Blips: added on an entity, at a point or over a radius, styled, named, removed. A blip on
// an entity that does not exist is a protocol fault, as the game would crash on it.
#include "Simulator.h"
#include "natives/Families.h"
#include "natives/Out.h"

namespace sim {

namespace {

std::string Handle(int32_t h) {
    return "#" + std::to_string(h);
}

int32_t Add(Call& c, Blip blip, const std::string& where) {
    const int32_t handle = c.w.blips.nextHandle++;
    c.w.blips.all[handle] = std::move(blip);
    c.trace("blip " + Handle(handle) + " added " + where);
    return handle;
}

Blip* Find(Call& c) {
    Blip* b = c.w.blips.find(c.i(0));
    if (!b) c.trace(std::string(c.name) + " of unknown blip " + std::to_string(c.i(0)));
    return b;
}

} // namespace

void RegisterBlipNatives(NativeTable& t) {
    t.add(0x23f74c2fda6e7c61, "BLIP_ADD_FOR_ENTITY", "Hash,Entity", [](Call& c) {
        const Entity* e = c.w.entity(c.i(1));
        if (!e) {
            c.fault("blip for entity " + std::to_string(c.i(1)) + ", which does not exist");
            return c.r.setInt(0);
        }
        Blip b;
        b.kind = BlipKind::Entity;
        b.style = c.u(0);
        b.entity = c.i(1);
        c.r.setInt(Add(c, b, "on " + Handle(c.i(1))));
    });
    t.add(0x554d9d53f696d002, "BLIP_ADD_FOR_COORDS", "Hash,float,float,float", [](Call& c) {
        Blip b;
        b.style = c.u(0);
        b.point = c.vec(1);
        c.r.setInt(Add(c, b, "at " + Describe(b.point)));
    });
    t.add(0x45f13b7e0a15c880, "BLIP_ADD_FOR_RADIUS", "Hash,float,float,float,float", [](Call& c) {
        Blip b;
        b.kind = BlipKind::Radius;
        b.style = c.u(0);
        b.point = c.vec(1);
        b.radius = c.f(4);
        c.r.setInt(
            Add(c, b, "over " + std::to_string(int(b.radius)) + " m at " + Describe(b.point)));
    });
    t.add(0x74f74d3207ed525c, "SET_BLIP_SPRITE", "Blip,Hash,BOOL", [](Call& c) {
        if (Blip* b = Find(c)) b->sprite = c.u(1);
    });
    t.add(0x9cb1a1623062f402, "_SET_BLIP_NAME", "Blip,const char*", [](Call& c) {
        Blip* b = Find(c);
        if (!b) return;
        // A text handle, as scripts pass one, or a plain string.
        const std::string* text = c.w.texts.resolve(c.raw(1));
        b->name = text ? *text : c.s(1) ? c.s(1) : "";
        c.trace("blip " + Handle(c.i(0)) + " named \"" + b->name + "\"");
    });
    t.add(0x662d364abf16de2f, "BLIP_ADD_MODIFIER", "Blip,Hash", [](Call& c) {
        Blip* b = Find(c);
        if (b) b->modifiers.insert(c.u(1));
        c.r.setBool(b != nullptr);
    });
    t.add(0xb059d7bd3d78c16f, "BLIP_REMOVE_MODIFIER", "Blip,Hash", [](Call& c) {
        Blip* b = Find(c);
        c.r.setBool(b && b->modifiers.erase(c.u(1)) > 0);
    });
    t.add(0xedd964b7984ac291, "_BLIP_SET_STYLE", "Blip,Hash", [](Call& c) {
        Blip* b = Find(c);
        if (b) b->style = c.u(1);
        c.r.setBool(b != nullptr);
    });
    t.add(0xcd82fa174080b3b1, "DOES_BLIP_EXIST", "Blip",
          [](Call& c) { c.r.setBool(c.w.blips.find(c.i(0)) != nullptr); });
    t.add(0x9fa00e2fc134a9d0, "_DOES_ENTITY_HAVE_BLIP", "Entity",
          [](Call& c) { c.r.setBool(c.w.blips.onEntity(c.i(0))); });
    t.add(0xf2c3c9da47aaa54a, "REMOVE_BLIP", "Blip*", [](Call& c) {
        int32_t* handle = c.p<int32_t>(0);
        if (!handle) return c.fault("null handle pointer");
        if (c.w.blips.all.erase(*handle))
            c.trace("blip " + Handle(*handle) + " removed");
        else
            c.trace("REMOVE_BLIP of unknown blip " + std::to_string(*handle));
        *handle = 0;
    });
}

} // namespace sim
