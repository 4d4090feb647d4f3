#version 330 core
// Places sprite vertices through the current camera; everything else passes through.
layout(location = 0) in vec4 a_Position;
layout(location = 1) in vec4 a_Color;
layout(location = 2) in vec2 a_TexCoord;
layout(location = 3) in vec2 a_Rotation;

// Rows of the camera's rotation-and-scale matrix.
uniform vec2 g_CameraRotScale[2];
uniform vec2 g_CameraPos;

out vec4 v_Color;
out vec2 v_TexCoord;
out vec2 v_Rotation;

void main() {
    vec2 d = a_Position.xy - g_CameraPos;
    gl_Position = vec4(dot(d, g_CameraRotScale[0]), dot(d, g_CameraRotScale[1]), a_Position.z, 1.0);
    v_Color = a_Color;
    v_TexCoord = a_TexCoord;
    v_Rotation = a_Rotation;
}
