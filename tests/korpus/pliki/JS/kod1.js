const x = 1;
console.log(x);
