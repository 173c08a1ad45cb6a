#pragma once

// The values every fire frame shares with the shaders: the viewport size in pixels and the time
// in seconds.
class CommonUniforms {
  public:
    void setViewportSize(float width, float height) {
        viewportWidth = width;
        viewportHeight = height;
    }
    void setTime(float seconds) { time = seconds; }

    float getViewportWidth() const { return viewportWidth; }
    float getViewportHeight() const { return viewportHeight; }
    float getTime() const { return time; }

  private:
    float viewportWidth = 0.0f;
    float viewportHeight = 0.0f;
    float time = 0.0f;
};
