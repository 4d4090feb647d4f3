#version 330 core
// Light sprites whose image is one point of the light's texture (a directional
// light): both light texels are read once a vertex instead of once a pixel. Every
// corner reads the same point, so the flat values are the light's own.
layout(location = 0) in vec4 a_Position;
layout(location = 1) in vec4 a_Color;
layout(location = 2) in vec2 a_TexCoord;
layout(location = 3) in vec2 a_Rotation;

uniform vec2 g_CameraRotScale[2];
uniform vec2 g_CameraPos;
// 1 when the targets are stored top row first, 0 when bottom row first as GL stores them.
uniform float g_TargetRowsDown;
uniform sampler2D g_LightColorSamp;
uniform sampler2D g_LightNormalSamp;

out vec4 v_Color;
out vec2 v_ScreenUv;
flat out vec4 v_LightColor;
flat out vec4 v_LightNormal;

void main() {
    vec2 d = a_Position.xy - g_CameraPos;
    vec2 clip = vec2(dot(d, g_CameraRotScale[0]), dot(d, g_CameraRotScale[1]));
    gl_Position = vec4(clip, a_Position.z, 1.0);
    v_Color = a_Color;
    v_ScreenUv = clip * 0.5 + 0.5;
    if (g_TargetRowsDown > 0.5) {
        v_ScreenUv.y = 0.5 - clip.y * 0.5;
    }
    v_LightColor = textureLod(g_LightColorSamp, a_TexCoord, 0.0);
    v_LightNormal = textureLod(g_LightNormalSamp, a_TexCoord, 0.0);
}
