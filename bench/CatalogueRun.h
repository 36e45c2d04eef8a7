// The catalogues: a long table list loaded into the program's list widget,
// against the time the driver itself takes to deliver the same names.
#pragma once

namespace bench {

// argv: side ("oracle" or "sqlanywhere"), then the four settings.
int runCatalogueChild(int argc, char** argv);

} // namespace bench
