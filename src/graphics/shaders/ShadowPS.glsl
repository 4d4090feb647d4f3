#version 330 core
// Composites the lit foreground over the lit background, darkened around it by its
// silhouette blurred over 3 x 3 samples g_Spread apart.
in vec4 v_Color;
in vec2 v_TexCoord;

uniform sampler2D g_ColorSamp;
uniform vec2 g_Spread;
uniform float g_Darkness;

layout(location = 0) out vec4 o_SceneColor;
layout(location = 1) out vec4 o_SceneExtras;

void main() {
    vec4 f = texture(g_ColorSamp, v_TexCoord);
    float coverage = f.a;
    for (int i = -1; i <= 1; ++i) {
        for (int j = -1; j <= 1; ++j) {
            if (i != 0 || j != 0) {
                coverage += texture(g_ColorSamp, v_TexCoord + vec2(i, j) * g_Spread).a;
            }
        }
    }
    float shadow = clamp(coverage * g_Darkness / 9.0, 0.0, 1.0);
    o_SceneColor = vec4(f.rgb * f.a, shadow * (1.0 - f.a) + f.a);
    // Transparent: the extras target keeps what it holds.
    o_SceneExtras = vec4(0.0);
}
