// imgconv INPUT OUTPUT: reads any image the engine can load and writes it in
// the format named by OUTPUT's extension (.png, .jpg, .bmp, ...).
#include <irrlicht.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: imgconv INPUT OUTPUT\n");
        return 2;
    }
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_ERROR;
    irr::IrrlichtDevice* device = irr::createDeviceEx(params);
    if (!device) {
        std::fprintf(stderr, "imgconv: no engine device\n");
        return 1;
    }
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    int status = 0;
    irr::video::IImage* image = driver->createImageFromFile(argv[1]);
    if (!image) {
        std::fprintf(stderr, "imgconv: cannot read %s\n", argv[1]);
        status = 1;
    } else {
        if (!driver->writeImageToFile(image, argv[2], 90)) {
            std::fprintf(stderr, "imgconv: cannot write %s\n", argv[2]);
            status = 1;
        }
        image->drop();
    }
    device->drop();
    return status;
}
