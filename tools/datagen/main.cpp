// flashstep-datagen OUTDIR: writes the show's data set into OUTDIR/data/.
// Everything is made here from code and fixed seeds; nothing is downloaded.
#include <iostream>

#include "tools/datagen/DataSet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: flashstep-datagen OUTDIR\n";
        return 2;
    }
    return writeDataSet(argv[1]) ? 0 : 1;
}
