#include "pages/Surface.h"

const TVrPicture& WrenchPicture() {
    static const TVrPicture wrench{"wrench"};
    return wrench;
}
