#version 330 core
// LightPS for lights read once a vertex (LightConstVS): the same arithmetic on the
// same texels.
in vec4 v_Color;
in vec2 v_ScreenUv;
flat in vec4 v_LightColor;
flat in vec4 v_LightNormal;

uniform sampler2D g_SceneColorSamp;
uniform sampler2D g_SceneNormalSamp;
uniform sampler2D g_SceneExtrasSamp;

layout(location = 0) out vec4 o_Light;

void main() {
    vec3 N = normalize(texture(g_SceneNormalSamp, v_ScreenUv).rgb * 2.0 - 1.0);
    vec3 L = v_LightNormal.rgb * 2.0 - 1.0;
    vec3 H = normalize(vec3(L.xy, L.z + 1.0));
    float diffuse = dot(L, N);
    float specular = pow(clamp(dot(N, H), 0.0, 1.0), 100.0) * texture(g_SceneExtrasSamp, v_ScreenUv).r;
    vec4 k = v_LightColor * v_Color;
    vec3 intensity = k.rgb * 4.0 * k.a;
    vec3 albedo = texture(g_SceneColorSamp, v_ScreenUv).rgb;
    o_Light = vec4(intensity * albedo * diffuse + intensity * specular, 1.0);
}
