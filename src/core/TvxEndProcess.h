#pragma once
// Thrown when start-up has done everything the command line asked for and the
// process must end (the install and uninstall notices). The program entry
// catches it, frees what exists in reverse order and exits with code 0.

class TvxEndProcess {};
