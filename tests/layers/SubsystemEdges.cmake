# The edges allowed between subsystems: the subsystems each one may reach besides itself.
# The same table holds for src/logic/<subsystem> and for src/windows/<subsystem>: a window
# includes the logic and the windows of its own subsystem and of the subsystems listed here.
# The pickers (records) and the save-file dialog (maintenance) serve the later subsystems;
# the shell sits above them all and may reach everything.
set(subsystem_edges_core "")
set(subsystem_edges_records core)
set(subsystem_edges_maintenance core records)
set(subsystem_edges_print core records maintenance)
set(subsystem_edges_internet core records maintenance)
