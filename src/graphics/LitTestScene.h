#pragma once

class GameObject;
class TextureManager;

// A small scene that shows every part of the lit pipeline (lit ground, lit pebbles
// casting a soft shadow, moving coloured lights, an additive glow and a user
// interface badge), with textures drawn in code into the bank "LitTestScene". The
// game shows it while the texture bank "Main" holds no art.
void BuildLitTestScene(GameObject& root, TextureManager& textures);
