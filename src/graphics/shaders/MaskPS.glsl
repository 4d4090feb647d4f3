#version 330 core
// Darkens the back buffer by the lit coverage: the vertex colour with the image's
// alpha as opacity.
in vec4 v_Color;
in vec2 v_TexCoord;

uniform sampler2D g_ColorSamp;

layout(location = 0) out vec4 o_Color;

void main() {
    o_Color = vec4(v_Color.rgb, texture(g_ColorSamp, v_TexCoord).a * v_Color.a);
}
