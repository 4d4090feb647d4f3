#version 330 core
// Lit sprites into the G-buffer: albedo, the normal turned with the sprite, and the
// specular intensity, each with the sprite's coverage as alpha.
in vec4 v_Color;
in vec2 v_TexCoord;
in vec2 v_Rotation;

uniform sampler2D g_ColorSamp;
uniform sampler2D g_NormalSpecSamp;

layout(location = 0) out vec4 o_Albedo;
layout(location = 1) out vec4 o_Normal;
layout(location = 2) out vec4 o_Extras;

void main() {
    vec4 n = texture(g_NormalSpecSamp, v_TexCoord);
    vec3 N = n.rgb * 2.0 - 1.0;
    // A mirrored quad faces away: its normals mirror with it.
    if (!gl_FrontFacing) {
        N.x = -N.x;
    }
    float c = v_Rotation.x;
    float s = v_Rotation.y;
    vec3 turned = vec3(N.x * c - N.y * s, N.x * s + N.y * c, N.z);
    vec4 albedo = texture(g_ColorSamp, v_TexCoord) * v_Color;
    o_Albedo = albedo;
    o_Normal = vec4(turned * 0.5 + 0.5, albedo.a);
    o_Extras = vec4(n.a, 0.0, 0.0, albedo.a);
}
