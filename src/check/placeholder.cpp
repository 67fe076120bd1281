// Replaced by the solvers.
