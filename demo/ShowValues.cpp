// Taking the show's values from their owners and giving them back.
#include "demo/ShowValues.h"

#include "demo/DemoState.h"

ShowValues showValuesNow() {
    const Scene& scene = *demo::scene;
    return ShowValues{demo::driver,          scene.values(), *scene.rgbGlow, scene.overlay->pictures(),
                      demo::script->place(), randomPlace()};
}

void restoreShowValues(const ShowValues& values) {
    Scene& scene = *demo::scene;
    demo::driver = values.driver;
    scene.values() = values.scene;
    *scene.rgbGlow = values.fringes;
    scene.overlay->pictures() = values.pictures;
    demo::script->place() = values.queue;
    setRandomPlace(values.random);
}
