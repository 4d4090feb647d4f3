#version 330 core
// One light sprite's diffuse and specular light on the lit scene. The light's own
// normal image gives, per pixel, the direction towards the light.
in vec4 v_Color;
in vec2 v_TexCoord;
in vec2 v_ScreenUv;

uniform sampler2D g_LightColorSamp;
uniform sampler2D g_LightNormalSamp;
uniform sampler2D g_SceneColorSamp;
uniform sampler2D g_SceneNormalSamp;
uniform sampler2D g_SceneExtrasSamp;

layout(location = 0) out vec4 o_Light;

void main() {
    vec3 N = normalize(texture(g_SceneNormalSamp, v_ScreenUv).rgb * 2.0 - 1.0);
    vec3 L = texture(g_LightNormalSamp, v_TexCoord).rgb * 2.0 - 1.0;
    // Half vector for a viewer straight above.
    vec3 H = normalize(vec3(L.xy, L.z + 1.0));
    float diffuse = dot(L, N);
    float specular = pow(clamp(dot(N, H), 0.0, 1.0), 100.0) * texture(g_SceneExtrasSamp, v_ScreenUv).r;
    vec4 k = texture(g_LightColorSamp, v_TexCoord) * v_Color;
    vec3 intensity = k.rgb * 4.0 * k.a;
    vec3 albedo = texture(g_SceneColorSamp, v_ScreenUv).rgb;
    // Negative light (facing away) is clamped away by the target.
    o_Light = vec4(intensity * albedo * diffuse + intensity * specular, 1.0);
}
