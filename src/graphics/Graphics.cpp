#include "graphics/Graphics.h"

#include "platform/Window.h"

Graphics::Graphics() = default;
Graphics::~Graphics() = default;
