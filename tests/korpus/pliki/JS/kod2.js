/* moduł */
export function f() { return 2; }
