#version 330 core
// Plain sprites: the image tinted by the vertex colour.
in vec4 v_Color;
in vec2 v_TexCoord;

uniform sampler2D g_ColorSamp;

layout(location = 0) out vec4 o_Color;

void main() {
    o_Color = texture(g_ColorSamp, v_TexCoord) * v_Color;
}
