// placeholder until the telemetry library lands
int tavrel_placeholder() { return 0; }
