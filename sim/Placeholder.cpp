// The simulated device (being built).
